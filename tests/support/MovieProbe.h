#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads movies back with the ffprobe and ffmpeg programs, independent of the code under test.
struct ProbedStream {
  bool found = false;
  std::string codec;
  int width = 0;
  int height = 0;
  std::string frameRate;  // as ffprobe gives it, e.g. "2997/100"
  int frames = -1;        // frames actually decoded
  std::string pixelFormat;
};

ProbedStream ProbeMovie(const std::u16string& path);
// A movie's sound stream as ffprobe reads it.
struct ProbedSound {
  bool found = false;
  std::string codec;
  int sampleRate = 0;
  int channels = 0;
};
ProbedSound ProbeSound(const std::u16string& path);
// The sound decoded by ffmpeg as 48 kHz stereo 16-bit samples, interleaved; empty on failure.
std::vector<int16_t> DecodeSound(const std::u16string& path);
// The largest sample's size in [from, to) seconds of decoded stereo sound.
int PeakOf(const std::vector<int16_t>& sound, double from, double to);
// Writes a stereo sine tone of 440 Hz for seconds with ffmpeg; the format follows the name.
bool WriteTone(const std::u16string& path, double seconds);
// What ffmpeg reports as errors while decoding every frame; empty for a clean movie.
std::string DecodingErrors(const std::u16string& path);
// The four-letter names of an MP4 file's top-level boxes, in file order.
std::vector<std::string> Mp4TopLevelBoxes(const std::string& bytes);
// Every frame as top-down RGB24 bytes, one after another; empty when decoding fails.
std::string DecodeToRgb(const std::u16string& path);

// A frame as the capture delivers it: BGR rows, bottom row first, stride bytes apart (the padding
// bytes hold 0x5A). The upper half is red, the lower half blue, with a one-pixel green
// column at x = 0 so a mirrored picture shows.
std::vector<uint8_t> RedOverBlueFrame(int width, int height, size_t stride);

struct Rgb {
  int r, g, b;
};
Rgb PixelOf(const std::string& rgb, int width, int height, int frame, int x, int y);

// The bytes of an AVI file hold its final sizes and its index, which the muxer writes last: a
// file cut off while it was written has neither.
bool IsCompleteAvi(const std::string& bytes);
