#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Settings;

// The command line of the command-line movie export: the photo folder, the movie path and the
// options that override the export settings. Only what was given is set; the rest comes from
// the settings file. A plain value.
struct ExportOptions {
  std::u16string folder;
  std::u16string output;
  std::optional<int32_t> width;
  std::optional<int32_t> height;
  std::optional<float> fps;
  std::optional<float> pixelAspect;
  std::optional<float> displayAspect;
  std::optional<int> presetRow;
  std::optional<int32_t> antialiasing;
  // AVI: a compressor's friendly name, empty for full frames ("none"). MP4, Matroska, WebM: a
  // plain name or a short codec name ("H.264", "h264"), checked against the container's list
  // once the settings are read.
  std::optional<std::u16string> encoder;
  // The movie encoder's constant quality and speed (MP4, Matroska, WebM only).
  std::optional<int32_t> movieQuality;
  std::optional<std::u16string> speed;
  std::optional<int32_t> timePage;
  std::optional<int32_t> timeZoom;
  std::optional<int32_t> timeView;
  std::optional<bool> interleaf;
  std::optional<bool> rightToLeft;  // the book bound on the right, or (false) on the left
  std::optional<int32_t> sort;
  std::optional<int32_t> quality;  // photo texture quality
  std::optional<std::u16string> settingsFile;
  // Given soundtrack files replace the settings' list; the loop flag turns its repeat on.
  std::vector<std::u16string> soundtrack;
  bool loopSoundtrack = false;
  bool help = false;
  bool listEncoders = false;

  // Writes the given values over settings: the preset first, then the single options, so that
  // --preset with --fps takes the preset's size and the given rate. False, with why, when the
  // pixel aspect a display aspect gives for the final size lies outside (0, 10], or when the
  // encoder, quality or speed does not fit the output's container (MovieOptionsProblem).
  bool ApplyTo(Settings& settings, std::string& error) const;
  // Why --encoder, --quality or --speed do not fit the output's container and the encoder
  // chosen (given, else the settings', else the container's default), or empty; on success the
  // movie encoder and its values are written to settings.
  std::string ApplyMovieEncoder(Settings& settings) const;
};

struct ParsedExportOptions {
  bool ok = false;
  std::string error;  // why the command line was refused, one line
  ExportOptions options;
};

// Reads the arguments after the program name. Options take their value as the next argument
// or after "="; each value is checked against the range the export settings dialog allows.
ParsedExportOptions ParseExportOptions(const std::vector<std::string>& arguments);
// The usage text, one short line per option.
std::string ExportOptionsHelp();
