// Movie export speed: frames per second of the command-line export (which runs the desktop
// program's own export) for 640 x 480 at antialiasing 1, 2 and 4 and 1920 x 1080 at 2, full
// frames and MPEG-4; beside each, the render-only rate (frames drawn and captured, nothing
// encoded) and ffmpeg's own rate encoding as many raw frames of that size from a pipe.
// Usage: export_benchmark [photo folder]; two sample photos by default.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "CaptureOnlyExporter.h"
#include "cli/CommandLineExport.h"
#include "export/FrameCapture.h"
#include "export/MovieExporter.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Result {
  double fps = 0;
  int frames = 0;
};

// The rate and frame count from a report's "Export speed" and "Frames stored" lines.
Result FromReport(const std::string& report) {
  Result result;
  if (auto at = report.find("Export speed:\t"); at != std::string::npos) result.fps = std::atof(report.c_str() + at + 14);
  if (auto at = report.find("Frames stored:\t"); at != std::string::npos) result.frames = std::atoi(report.c_str() + at + 15);
  return result;
}

Result Export(const std::string& folder, const std::string& movie, int width, int height, int factor,
              const std::string& encoder, bool captureOnly) {
  std::ostringstream out;
  std::ostringstream err;
  CommandLineExport command(out, err, false);
  if (captureOnly) {
    command.SetExporterMaker([](std::unique_ptr<FrameCapture> capture, const std::u16string& path,
                                const ExportRequest& request, uint32_t start) {
      return std::make_unique<CaptureOnlyExporter>(std::move(capture), path, request.fps, start);
    });
  }
  const int code = command.Run({folder, movie, "--settings", "/dev/null", "--width", std::to_string(width), "--height",
                                std::to_string(height), "--fps", "25", "--time-page", "1", "--time-zoom", "1",
                                "--time-view", "1", "--antialiasing", std::to_string(factor), "--encoder", encoder});
  if (code != 0) std::fprintf(stderr, "export failed (%d): %s\n", code, err.str().c_str());
  return FromReport(out.str());
}

// ffmpeg encoding the frames of the raw movie, fed through a pipe.
double FfmpegRate(const std::string& rawMovie, int width, int height, int frames, const std::string& codec) {
  const std::string command = "ffmpeg -v error -i '" + rawMovie + "' -f rawvideo -pix_fmt bgr24 - | ffmpeg -v error -y -f rawvideo -pix_fmt bgr24 -s " +
                              std::to_string(width) + "x" + std::to_string(height) + " -r 25 -i - -c:v " + codec +
                              " -f avi /dev/null";
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) return 0;
  return frames / std::chrono::duration<double>(Clock::now() - start).count();
}

std::string SampleFolder(const fs::path& work) {
  const fs::path folder = work / "photos";
  fs::create_directories(folder);
  for (const char* name : {"checker.bmp", "desert.jpg"})
    fs::copy_file(fs::path(PAGEWING_DATA_DIR) / "photos" / name, folder / name, fs::copy_options::overwrite_existing);
  return folder.string();
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path work = fs::temp_directory_path() / ("pagewing-export-benchmark-" + std::to_string(getpid()));
  const std::string folder = argc > 1 ? argv[1] : SampleFolder(work);
  fs::create_directories(work);
  struct Case {
    int width, height, factor;
  };
  std::printf("%-16s %8s | %9s %9s %9s | %9s %9s | %s\n", "movie", "frames", "raw", "mpeg4", "render", "ff raw",
              "ff mpeg4", "export / slower of render and ffmpeg (raw, mpeg4)");
  for (const Case c : {Case{640, 480, 1}, Case{640, 480, 2}, Case{640, 480, 4}, Case{1920, 1080, 2}}) {
    const std::string raw = (work / "raw.avi").string();
    const Result render = Export(folder, (work / "none.avi").string(), c.width, c.height, c.factor, "none", true);
    const Result rawExport = Export(folder, raw, c.width, c.height, c.factor, "none", false);
    const Result mpeg4 = Export(folder, (work / "mpeg4.avi").string(), c.width, c.height, c.factor, "MPEG-4 part 2", false);
    const double ffRaw = FfmpegRate(raw, c.width, c.height, rawExport.frames, "rawvideo");
    const double ffMpeg4 = FfmpegRate(raw, c.width, c.height, rawExport.frames, "mpeg4");
    const auto share = [&](double exportRate, double ffmpegRate) {
      const double slower = std::min(render.fps, ffmpegRate);
      return slower > 0 ? 100.0 * exportRate / slower : 0.0;
    };
    std::printf("%4d x %4d AA %d %8d | %9.1f %9.1f %9.1f | %9.1f %9.1f | %5.0f %% %5.0f %%\n", c.width, c.height,
                c.factor, rawExport.frames, rawExport.fps, mpeg4.fps, render.fps, ffRaw, ffMpeg4,
                share(rawExport.fps, ffRaw), share(mpeg4.fps, ffMpeg4));
  }
  fs::remove_all(work);
  return 0;
}
