// Export speed of a real-size tour against ffmpeg: 12 generated 4000 x 3000 JPEGs with detail,
// 1280 x 720, 25 fps, one-second phases, at antialiasing 1 and 2. For each factor: the
// render-only rate (frames drawn and captured, nothing written), the full-frame AVI export, the
// H.264 export (libx264, preset medium, MP4), and ffmpeg encoding the full-frame AVI's frames
// with the same encoder settings, run back to back so that the ratio holds on a busy machine;
// then the H.264 export again with every frame drawn and read whole, as before frames that
// repeat the last were handed on, for the gain of that in the same run. Last the render-only rate
// at antialiasing 2 with shadows on, frames handed on and every frame drawn whole.
// Usage: tour_export_benchmark [keep folder] [reference folder]
//   keep folder: the full-frame movies are kept there as tour-aa1.avi and tour-aa2.avi;
//   reference folder: the PSNR of each kept movie against the same-named movie there (written by
//   an earlier build) is printed, the lowest frame's and the average.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

constexpr int kPhotos = 12;
constexpr int kWidth = 1280;
constexpr int kHeight = 720;

struct Result {
  double fps = 0;
  int frames = 0;
  std::string method;
};

std::string Line(const std::string& report, const std::string& key) {
  const auto at = report.find(key + ":\t");
  if (at == std::string::npos) return {};
  const auto begin = at + key.size() + 2;
  return report.substr(begin, report.find('\n', begin) - begin);
}

Result Export(const std::string& folder, const std::string& movie, int factor, const std::string& encoder,
              bool captureOnly, bool drawEveryFrame = false, const std::string& settings = "/dev/null") {
  std::ostringstream out;
  std::ostringstream err;
  CommandLineExport command(out, err, false);
  if (drawEveryFrame) command.DrawEveryFrame();
  if (captureOnly) {
    command.SetExporterMaker([](std::unique_ptr<FrameCapture> capture, const std::u16string& path,
                                const ExportRequest& request, uint32_t start) {
      return std::make_unique<CaptureOnlyExporter>(std::move(capture), path, request.fps, start);
    });
  }
  std::vector<std::string> arguments = {folder,        movie,       "--settings",  settings,
                                        "--width",     std::to_string(kWidth),
                                        "--height",    std::to_string(kHeight),
                                        "--fps",       "25",        "--time-page", "1",
                                        "--time-zoom", "1",         "--time-view", "1",
                                        "--antialiasing", std::to_string(factor)};
  if (!encoder.empty()) arguments.insert(arguments.end(), {"--encoder", encoder});
  if (const int code = command.Run(arguments); code != 0)
    std::fprintf(stderr, "export failed (%d): %s\n", code, err.str().c_str());
  const std::string report = out.str();
  return {std::atof(Line(report, "Export speed").c_str()), std::atoi(Line(report, "Frames stored").c_str()),
          Line(report, "AA method")};
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// ffmpeg's own rate: reading the full-frame AVI and writing H.264 with the export's settings.
double FfmpegRate(const std::string& rawMovie, const std::string& movie, int frames) {
  const std::string command = "ffmpeg -v error -y -i '" + rawMovie +
                              "' -c:v libx264 -preset medium -crf 20 -pix_fmt yuv420p '" + movie + "'";
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) return 0;
  return frames / Seconds(start);
}

// A settings file (UTF-16LE with its byte-order mark) that turns the shadows on.
std::string ShadowSettings(const fs::path& work) {
  const std::string path = (work / "shadows.txt").string();
  std::string bytes = "\xFF\xFE";
  for (const char c : std::string("RenderShadows\tY\r\n")) bytes += {c, '\0'};
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  return path;
}

// Photos with edges, text and fine noise in every part, each in other colours.
std::string MakePhotos(const fs::path& work) {
  const fs::path folder = work / "photos";
  fs::create_directories(folder);
  for (int i = 0; i < kPhotos; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "photo%02d.jpg", i);
    const std::string command = "ffmpeg -v error -y -f lavfi -i 'testsrc2=s=4000x3000:r=1,hue=h=" +
                                std::to_string(i * 29) + ":s=" + std::to_string(1 + i % 3) +
                                ",noise=alls=24:allf=u' -frames:v 1 -q:v 3 '" + (folder / name).string() + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not make %s\n", name);
  }
  return folder.string();
}

// "lowest / average" PSNR of movie against reference, frame by frame, from ffmpeg's psnr filter.
std::string Psnr(const std::string& movie, const std::string& reference) {
  const std::string log = movie + ".psnr";
  const std::string command = "ffmpeg -v error -i '" + movie + "' -i '" + reference +
                              "' -lavfi 'psnr=stats_file=" + log + "' -f null - 2>/dev/null";
  if (std::system(command.c_str()) != 0) return "n/a";
  FILE* file = std::fopen(log.c_str(), "r");
  if (file == nullptr) return "n/a";
  double lowest = 1e9, sum = 0;
  int count = 0;
  char line[512];
  while (std::fgets(line, sizeof line, file) != nullptr) {
    const char* at = std::strstr(line, "psnr_avg:");
    if (at == nullptr) continue;
    const double value = std::strncmp(at + 9, "inf", 3) == 0 ? 100.0 : std::atof(at + 9);
    lowest = std::min(lowest, value);
    sum += value;
    ++count;
  }
  std::fclose(file);
  if (count == 0) return "n/a";
  char text[64];
  std::snprintf(text, sizeof text, "%.1f / %.1f dB (%d frames)", lowest, sum / count, count);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path work = fs::temp_directory_path() / ("pagewing-tour-benchmark-" + std::to_string(getpid()));
  fs::create_directories(work);
  const fs::path keep = argc > 1 ? fs::path(argv[1]) : work;
  fs::create_directories(keep);
  const std::string folder = MakePhotos(work);
  std::printf("%-6s %6s | %8s %8s %8s | %8s | %6s | %8s %6s | %s\n", "tour", "frames", "render", "raw", "H.264",
              "ffmpeg", "ratio", "whole", "ratio", "AA method");
  for (const int factor : {1, 2}) {
    const std::string raw = (keep / ("tour-aa" + std::to_string(factor) + ".avi")).string();
    const Result render = Export(folder, (work / "none.avi").string(), factor, "none", true);
    const Result rawExport = Export(folder, raw, factor, "none", false);
    const double ffmpeg = FfmpegRate(raw, (work / "ffmpeg.mp4").string(), rawExport.frames);
    const Result h264 = Export(folder, (work / "tour.mp4").string(), factor, "", false);
    const Result whole = Export(folder, (work / "whole.mp4").string(), factor, "", false, true);
    const auto ratio = [ffmpeg](const Result& result) { return ffmpeg > 0 ? result.fps / ffmpeg : 0.0; };
    std::printf("AA %d   %6d | %8.1f %8.1f %8.1f | %8.1f | %6.2f | %8.1f %6.2f | %s\n", factor, h264.frames, render.fps,
                rawExport.fps, h264.fps, ffmpeg, ratio(h264), whole.fps, ratio(whole), h264.method.c_str());
    if (render.frames != rawExport.frames || rawExport.frames != h264.frames)
      std::printf("       frame counts differ: render %d, raw %d, H.264 %d\n", render.frames, rawExport.frames,
                  h264.frames);
    if (argc > 2) std::printf("       PSNR against the reference: %s\n", Psnr(raw, (fs::path(argv[2]) / fs::path(raw).filename()).string()).c_str());
    std::fflush(stdout);
  }
  const std::string shadows = ShadowSettings(work);
  const Result handedOn = Export(folder, (work / "none.avi").string(), 2, "none", true, false, shadows);
  const Result whole = Export(folder, (work / "none.avi").string(), 2, "none", true, true, shadows);
  std::printf("AA 2 with shadows, render only: %.1f frames per second handed on, %.1f drawn whole (%.2f times)\n",
              handedOn.fps, whole.fps, whole.fps > 0 ? handedOn.fps / whole.fps : 0.0);
  fs::remove_all(work);
  return 0;
}
