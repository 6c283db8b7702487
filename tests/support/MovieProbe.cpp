#include "support/MovieProbe.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "platform/sys/StringConvert.h"

namespace {

std::string RunAndRead(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[65536];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  return pclose(pipe) == 0 ? output : std::string();
}

std::string Quoted(const std::u16string& path) { return "'" + ToUtf8(path) + "'"; }

void TakeField(ProbedStream& stream, const std::string& key, const std::string& value) {
  if (key == "codec_name") stream.codec = value;
  if (key == "width") stream.width = std::stoi(value);
  if (key == "height") stream.height = std::stoi(value);
  if (key == "r_frame_rate") stream.frameRate = value;
  if (key == "nb_read_frames") stream.frames = std::stoi(value);
  if (key == "pix_fmt") stream.pixelFormat = value;
}

void PutPixel(std::vector<uint8_t>& frame, size_t at, int b, int g, int r) {
  frame[at] = static_cast<uint8_t>(b);
  frame[at + 1] = static_cast<uint8_t>(g);
  frame[at + 2] = static_cast<uint8_t>(r);
}

}  // namespace

ProbedSound ProbeSound(const std::u16string& path) {
  const std::string text = RunAndRead("ffprobe -v error -select_streams a:0 -show_entries "
                                      "stream=codec_name,sample_rate,channels -of default=noprint_wrappers=1 " +
                                      Quoted(path) + " 2>/dev/null");
  ProbedSound sound;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    sound.found = true;
    if (key == "codec_name") sound.codec = value;
    if (key == "sample_rate") sound.sampleRate = std::stoi(value);
    if (key == "channels") sound.channels = std::stoi(value);
  }
  return sound;
}

std::vector<int16_t> DecodeSound(const std::u16string& path) {
  const std::string bytes =
      RunAndRead("ffmpeg -v error -i " + Quoted(path) + " -map 0:a:0 -f s16le -ac 2 -ar 48000 - 2>/dev/null");
  std::vector<int16_t> samples(bytes.size() / sizeof(int16_t));
  std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(int16_t));
  return samples;
}

int PeakOf(const std::vector<int16_t>& sound, double from, double to) {
  const auto first = static_cast<size_t>(std::max(0.0, from) * 48000) * 2;
  const size_t last = std::min(sound.size(), static_cast<size_t>(to * 48000) * 2);
  int peak = 0;
  for (size_t i = first; i < last; ++i) peak = std::max(peak, std::abs(static_cast<int>(sound[i])));
  return peak;
}

bool WriteTone(const std::u16string& path, double seconds) {
  const std::string command = "ffmpeg -v error -y -f lavfi -i sine=frequency=440:duration=" + std::to_string(seconds) +
                              " -ac 2 " + Quoted(path) + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

ProbedStream ProbeMovie(const std::u16string& path) {
  std::istringstream lines(RunAndRead(
      "ffprobe -v error -count_frames -select_streams v:0 -show_entries "
      "stream=codec_name,width,height,r_frame_rate,nb_read_frames,pix_fmt -of default=noprint_wrappers=1 " +
      Quoted(path)));
  ProbedStream stream;
  std::string line;
  while (std::getline(lines, line)) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    stream.found = true;
    TakeField(stream, line.substr(0, equals), line.substr(equals + 1));
  }
  return stream;
}

std::string DecodingErrors(const std::u16string& path) {
  return RunAndRead("ffmpeg -v error -i " + Quoted(path) + " -f null - 2>&1 || echo 'ffmpeg failed'");
}

std::vector<std::string> Mp4TopLevelBoxes(const std::string& bytes) {
  std::vector<std::string> boxes;
  uint64_t at = 0;
  while (at + 8 <= bytes.size()) {
    uint64_t size = 0;
    for (int i = 0; i < 4; ++i) size = size << 8 | static_cast<uint8_t>(bytes[at + i]);
    boxes.push_back(bytes.substr(at + 4, 4));
    if (size == 1 && at + 16 <= bytes.size()) {
      size = 0;
      for (int i = 8; i < 16; ++i) size = size << 8 | static_cast<uint8_t>(bytes[at + i]);
    }
    if (size < 8) break;
    at += size;
  }
  return boxes;
}

std::string DecodeToRgb(const std::u16string& path) {
  return RunAndRead("ffmpeg -v error -i " + Quoted(path) + " -f rawvideo -pix_fmt rgb24 -");
}

std::vector<uint8_t> RedOverBlueFrame(int width, int height, size_t stride) {
  std::vector<uint8_t> frame(stride * height, 0x5A);
  for (int row = 0; row < height; ++row) {
    bool upperHalf = row >= height / 2;  // rows are stored bottom first
    for (int x = 0; x < width; ++x) {
      size_t at = stride * row + x * 3;
      if (x == 0) PutPixel(frame, at, 0, 255, 0);
      else PutPixel(frame, at, upperHalf ? 0 : 255, 0, upperHalf ? 255 : 0);
    }
  }
  return frame;
}

Rgb PixelOf(const std::string& rgb, int width, int height, int frame, int x, int y) {
  size_t at = (static_cast<size_t>(frame) * width * height + static_cast<size_t>(y) * width + x) * 3;
  auto byte = [&](size_t i) { return static_cast<int>(static_cast<uint8_t>(rgb[at + i])); };
  return {byte(0), byte(1), byte(2)};
}

bool IsCompleteAvi(const std::string& bytes) {
  if (bytes.size() < 8 || bytes.compare(0, 4, "RIFF") != 0) return false;
  uint32_t riffSize = 0;
  std::memcpy(&riffSize, bytes.data() + 4, 4);
  return riffSize == bytes.size() - 8 && bytes.find("idx1") != std::string::npos;
}
