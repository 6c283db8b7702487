#include "cli/ExportOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>

#include "book/AnimationTiming.h"
#include "export/ExportPresetTable.h"
#include "export/ExportRequest.h"
#include "export/ExportTimeline.h"
#include "export/RatioText.h"
#include "platform/media/MovieContainer.h"
#include "platform/media/MovieEncoderList.h"
#include "platform/sys/StringConvert.h"
#include "settings/Settings.h"

namespace {

constexpr int32_t kMinSeconds = AnimationTiming::kMinSeconds;
constexpr int32_t kMaxSeconds = AnimationTiming::kMaxSeconds;
constexpr int32_t kMaxOffscreenFactor = 4;
constexpr int32_t kMaxQuality = 2;

using Setter = std::function<std::string(ExportOptions&, const std::string&)>;

struct OptionSpec {
  const char* name;
  const char* valueName;  // nullptr for a flag without a value
  const char* help;
  Setter set;
};

std::optional<int32_t> WholeNumber(const std::string& text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string Range(const std::string& option, long low, long high) {
  return option + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high);
}

Setter Integer(std::optional<int32_t> ExportOptions::*field, int32_t low, int32_t high, const char* option) {
  return [=](ExportOptions& options, const std::string& text) -> std::string {
    const auto value = WholeNumber(text);
    if (!value || *value < low || *value > high) return Range(option, low, high) + ", not \"" + text + "\"";
    options.*field = *value;
    return {};
  };
}

// A rate or ratio in (0, highest]: "a:b" or a decimal number, read as the dialog reads it.
Setter Positive(std::optional<float> ExportOptions::*field, float highest, const char* option) {
  return [=](ExportOptions& options, const std::string& text) -> std::string {
    const float value = ParseRatioText(FromUtf8(text));
    if (!(value > 0.0f && value <= highest) || !std::isfinite(value)) {
      return std::string(option) + " takes a number above 0 and at most " + std::to_string(static_cast<int>(highest)) +
             ", not \"" + text + "\"";
    }
    options.*field = value;
    return {};
  };
}

Setter Choice(const char* option, const char* first, const char* second, std::function<void(ExportOptions&, bool)> set) {
  return [=](ExportOptions& options, const std::string& text) -> std::string {
    if (text != first && text != second) return std::string(option) + " takes " + first + " or " + second + ", not \"" + text + "\"";
    set(options, text == first);
    return {};
  };
}

std::string SetPreset(ExportOptions& options, const std::string& text) {
  const std::u16string name = FromUtf8(text);
  const auto& rows = ExportPresetTable::Rows();
  for (int row = 0; row < ExportPresetTable::kRowCount; ++row) {
    if (rows[row].name != name) continue;
    options.presetRow = row;
    return {};
  }
  return "--preset takes one of the names --help lists, not \"" + text + "\"";
}

const std::vector<OptionSpec>& Specs() {
  static const std::vector<OptionSpec> specs = {
      {"--width", "N", "movie width in pixels, 64 to 5000", Integer(&ExportOptions::width, ExportRequest::kMinSide, ExportRequest::kMaxSide, "--width")},
      {"--height", "N", "movie height in pixels, 64 to 5000", Integer(&ExportOptions::height, ExportRequest::kMinSide, ExportRequest::kMaxSide, "--height")},
      {"--fps", "RATE", "frames per second, above 0 and at most 100 (29.97 allowed)", Positive(&ExportOptions::fps, ExportTimeline::kMaxFps, "--fps")},
      {"--par", "RATIO", "pixel aspect ratio, as 8:9 or 0.889, at most 10", Positive(&ExportOptions::pixelAspect, ExportRequest::kMaxPixelAspect, "--par")},
      {"--dar", "RATIO", "display aspect ratio, as 16:9; sets the pixel aspect for the size", Positive(&ExportOptions::displayAspect, 1000.0f, "--dar")},
      {"--preset", "NAME", "one of the export presets (size, aspect and rate), see below", SetPreset},
      {"--antialiasing", "N", "supersampling factor, 1 to 4", Integer(&ExportOptions::antialiasing, 1, kMaxOffscreenFactor, "--antialiasing")},
      {"--encoder", "NAME", "AVI: compressor by its friendly name, none for full frames; MP4, Matroska, WebM: "
       "H.264, H.265 (HEVC), AV1, VP9 or h264, hevc, av1, vp9 (see --list-encoders)",
       [](ExportOptions& options, const std::string& text) {
         options.encoder = text == "none" ? std::u16string() : FromUtf8(text);
         return std::string();
       }},
      {"--quality", "N", "MP4, Matroska, WebM: the encoder's constant quality, lower is better (see --list-encoders)",
       Integer(&ExportOptions::movieQuality, 0, 100, "--quality")},
      {"--speed", "NAME", "MP4, Matroska, WebM: the encoder's speed preset (see --list-encoders)",
       [](ExportOptions& options, const std::string& text) {
         options.speed = FromUtf8(text);
         return std::string();
       }},
      {"--soundtrack", "FILE", "an audio file played under the tour (MP3, OGG, Opus, FLAC, WAV, M4A); repeat for more, "
       "played in the order given",
       [](ExportOptions& options, const std::string& text) {
         if (text.empty()) return std::string("--soundtrack needs an audio file's name");
         options.soundtrack.push_back(FromUtf8(text));
         return std::string();
       }},
      {"--loop-soundtrack", nullptr, "repeat the soundtrack when it is shorter than the movie",
       [](ExportOptions& options, const std::string&) {
         options.loopSoundtrack = true;
         return std::string();
       }},
      {"--list-encoders", nullptr, "list the encoders of each container and stop", {}},
      {"--time-page", "SECONDS", "page turn time, 1 to 20", Integer(&ExportOptions::timePage, kMinSeconds, kMaxSeconds, "--time-page")},
      {"--time-zoom", "SECONDS", "camera move time, 1 to 20", Integer(&ExportOptions::timeZoom, kMinSeconds, kMaxSeconds, "--time-zoom")},
      {"--time-view", "SECONDS", "photo hold time, 1 to 20", Integer(&ExportOptions::timeView, kMinSeconds, kMaxSeconds, "--time-view")},
      {"--interleaf", "on|off", "show and turn the transparent interleaf", Choice("--interleaf", "on", "off", [](ExportOptions& o, bool on) { o.interleaf = on; })},
      {"--right-to-left", nullptr, "bind the book on the right: spreads read and leaves turn from right to left",
       [](ExportOptions& options, const std::string&) {
         options.rightToLeft = true;
         return std::string();
       }},
      {"--left-to-right", nullptr, "bind the book on the left, whatever the settings say",
       [](ExportOptions& options, const std::string&) {
         options.rightToLeft = false;
         return std::string();
       }},
      {"--sort", "name|date", "photo order", Choice("--sort", "name", "date", [](ExportOptions& o, bool byName) { o.sort = byName ? 0 : 1; })},
      {"--texture-quality", "N", "photo texture quality, 0 (fast) to 2 (best)", Integer(&ExportOptions::quality, 0, kMaxQuality, "--texture-quality")},
      {"--settings", "FILE", "start from this settings file (default: your own; never written)",
       [](ExportOptions& options, const std::string& text) {
         options.settingsFile = FromUtf8(text);
         return std::string();
       }},
      {"--help", nullptr, "show this help and stop", {}},
  };
  return specs;
}

const OptionSpec* FindSpec(const std::string& name) {
  for (const OptionSpec& spec : Specs()) {
    if (name == spec.name) return &spec;
  }
  return nullptr;
}

// One option at arguments[i], with its value when it takes one; advances i past what it used.
std::string TakeOption(const std::vector<std::string>& arguments, size_t& i, ExportOptions& options) {
  const std::string& argument = arguments[i];
  const size_t equals = argument.find('=');
  const std::string name = argument.substr(0, equals);
  const OptionSpec* spec = FindSpec(name);
  if (spec == nullptr) return "unknown option " + name + " (see --help)";
  if (spec->valueName == nullptr) {
    if (equals != std::string::npos) return name + " takes no value";
    if (spec->set) return spec->set(options, {});
    (name == "--help" ? options.help : options.listEncoders) = true;
    return {};
  }
  if (equals != std::string::npos) return spec->set(options, argument.substr(equals + 1));
  if (i + 1 >= arguments.size()) return name + " needs a value (" + spec->valueName + ")";
  return spec->set(options, arguments[++i]);
}

std::string CheckPositionals(const std::vector<std::string>& positionals, ExportOptions& options) {
  if (options.help || options.listEncoders) return {};
  if (positionals.size() != 2) return "expected a photo folder and a movie file (see --help)";
  if (options.pixelAspect && options.displayAspect) return "give --par or --dar, not both";
  options.folder = FromUtf8(positionals[0]);
  options.output = FromUtf8(positionals[1]);
  return {};
}

}  // namespace

ParsedExportOptions ParseExportOptions(const std::vector<std::string>& arguments) {
  ParsedExportOptions parsed;
  std::vector<std::string> positionals;
  bool optionsEnded = false;
  for (size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
    if (!optionsEnded && arguments[i] == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arguments[i].size() > 1 && arguments[i][0] == '-') {
      parsed.error = TakeOption(arguments, i, parsed.options);
    } else {
      positionals.push_back(arguments[i]);
    }
  }
  if (parsed.error.empty()) parsed.error = CheckPositionals(positionals, parsed.options);
  parsed.ok = parsed.error.empty();
  return parsed;
}

bool ExportOptions::ApplyTo(Settings& settings, std::string& error) const {
  if (presetRow && *presetRow != ExportPresetTable::kCustomRow) {
    const ExportPreset& preset = ExportPresetTable::Rows()[*presetRow];
    settings.ExportWidth = preset.width;
    settings.ExportHeight = preset.height;
    settings.ExportPAR = preset.pixelAspect;
    settings.ExportFPS = preset.framesPerSecond;
  }
  if (width) settings.ExportWidth = *width;
  if (height) settings.ExportHeight = *height;
  if (fps) settings.ExportFPS = *fps;
  if (pixelAspect) settings.ExportPAR = *pixelAspect;
  if (displayAspect) {
    const float derived = *displayAspect * settings.ExportHeight / settings.ExportWidth;
    if (!(derived > 0.0f && derived <= ExportRequest::kMaxPixelAspect)) {
      error = "--dar gives a pixel aspect of " + std::to_string(derived) + " at this size; it must lie above 0 and at most 10";
      return false;
    }
    settings.ExportPAR = derived;
  }
  if (antialiasing) settings.AntialiasingQuality = *antialiasing;
  if (encoder && ContainerOfPath(output) == MovieContainer::Avi) {
    settings.ExportType = encoder->empty() ? 0 : 1;
    settings.EncoderName = *encoder;
  }
  if (timePage) settings.TimePage = *timePage;
  if (timeZoom) settings.TimeZoom = *timeZoom;
  if (timeView) settings.TimeView = *timeView;
  if (interleaf) settings.RenderTransparentPage = *interleaf;
  if (rightToLeft) settings.RightToLeftBook = *rightToLeft;
  if (sort) settings.Sort = *sort;
  if (quality) settings.Quality = *quality;
  if (!soundtrack.empty()) settings.Soundtrack = soundtrack;
  if (loopSoundtrack) settings.LoopSoundtrack = true;
  error = ApplyMovieEncoder(settings);
  return error.empty();
}

std::string ExportOptions::ApplyMovieEncoder(Settings& settings) const {
  const MovieContainer container = ContainerOfPath(output);
  const std::string kind = ToUtf8(ContainerName(container));
  if (container == MovieContainer::Avi) {
    if (movieQuality || speed) return "--quality and --speed are for MP4, Matroska and WebM movies, not AVI";
    return {};
  }
  const MovieEncoderList installed = MovieEncoderList::Installed(container);
  std::string names;
  for (const MovieEncoder& entry : installed.entries()) names += (names.empty() ? "" : ", ") + ToUtf8(entry.name);
  const MovieEncoder* chosen = encoder ? installed.Find(MovieEncoderList::PlainNameOf(*encoder)) : nullptr;
  if (encoder && chosen == nullptr) {
    return "--encoder for " + kind + " movies takes one of " + names + ", not \"" + ToUtf8(*encoder) + "\"";
  }
  if (chosen == nullptr) chosen = installed.Find(settings.MovieEncoder);
  if (chosen == nullptr) chosen = installed.Default();
  if (chosen == nullptr) return "no encoder for " + kind + " movies is installed";
  const std::string name = ToUtf8(chosen->name);
  if (movieQuality && (*movieQuality < chosen->minimumQuality || *movieQuality > chosen->maximumQuality)) {
    return "--quality for " + name + " takes a whole number from " + std::to_string(chosen->minimumQuality) + " to " +
           std::to_string(chosen->maximumQuality) + ", not " + std::to_string(*movieQuality);
  }
  const auto& speeds = chosen->speeds;
  if (speed && std::find(speeds.begin(), speeds.end(), ToUtf8(*speed)) == speeds.end()) {
    std::string listed;
    for (const std::string& s : speeds) listed += (listed.empty() ? "" : ", ") + s;
    return "--speed for " + name + " takes one of " + listed + ", not \"" + ToUtf8(*speed) + "\"";
  }
  settings.MovieEncoder = chosen->name;
  if (movieQuality) settings.MovieQuality[chosen->name] = *movieQuality;
  if (speed) settings.MovieSpeed[chosen->name] = *speed;
  return {};
}

std::string ExportOptionsHelp() {
  std::string text =
      "Usage: pagewing-export FOLDER OUTPUT.mp4|.mkv|.webm|.avi [options]\n"
      "Writes the photo book tour of FOLDER as a movie, as Pagewing's \"Export as Movie...\" does; the\n"
      "extension of OUTPUT chooses MP4, Matroska, WebM or (for any other name) AVI.\n\n";
  for (const OptionSpec& spec : Specs()) {
    std::string left = std::string("  ") + spec.name + (spec.valueName ? std::string(" ") + spec.valueName : "");
    left.resize(std::max<size_t>(left.size() + 1, 26), ' ');
    text += left + spec.help + "\n";
  }
  text += "\nPresets:\n";
  for (const ExportPreset& preset : ExportPresetTable::Rows()) text += "  " + ToUtf8(preset.name) + "\n";
  return text;
}
