#include "app/MovieEncoderCatalogue.h"

#include <algorithm>
#include <charconv>

#include "platform/gui/EncoderOptionsDialog.h"
#include "platform/sys/StringConvert.h"
#include "settings/Settings.h"

namespace {

constexpr char kQuality[] = "quality";
constexpr char kSpeed[] = "speed";

}  // namespace

MovieEncoderCatalogue::MovieEncoderCatalogue(MovieContainer container, Settings& settings,
                                             EncoderOptionsDialog* dialogs)
    : encoders_(MovieEncoderList::Installed(container)), settings_(settings), dialogs_(dialogs) {}

std::vector<std::u16string> MovieEncoderCatalogue::Names() {
  std::vector<std::u16string> names;
  for (const MovieEncoder& encoder : encoders_.entries()) names.push_back(encoder.name);
  return names;
}

std::vector<EncoderOption> MovieEncoderCatalogue::OptionsOf(const MovieEncoder& encoder, const Settings& settings) {
  EncoderOption quality{kQuality, u"Quality", EncoderOption::Kind::Integer, double(encoder.minimumQuality),
                        double(encoder.maximumQuality), {}, std::to_string(encoder.defaultQuality), {}};
  const auto storedQuality = settings.MovieQuality.find(encoder.name);
  const bool qualityValid = storedQuality != settings.MovieQuality.end() &&
                            storedQuality->second >= encoder.minimumQuality &&
                            storedQuality->second <= encoder.maximumQuality;
  quality.value = qualityValid ? std::to_string(storedQuality->second) : quality.defaultValue;
  EncoderOption speed{kSpeed, u"Speed", EncoderOption::Kind::Choice, 0, 0, encoder.speeds, encoder.defaultSpeed, {}};
  const auto storedSpeed = settings.MovieSpeed.find(encoder.name);
  const std::string stored = storedSpeed != settings.MovieSpeed.end() ? ToUtf8(storedSpeed->second) : std::string();
  const bool speedValid = std::find(encoder.speeds.begin(), encoder.speeds.end(), stored) != encoder.speeds.end();
  speed.value = speedValid ? stored : speed.defaultValue;
  return {quality, speed};
}

bool MovieEncoderCatalogue::ShowSettings(const std::u16string& name) {
  const MovieEncoder* encoder = encoders_.Find(name);
  if (encoder == nullptr || dialogs_ == nullptr) return false;
  const auto changes = dialogs_->ShowSettings(name, OptionsOf(*encoder, settings_));
  if (!changes) return true;
  for (const auto& [option, value] : *changes) {
    int quality = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), quality);
    if (option == kQuality && error == std::errc() && end == value.data() + value.size()) {
      settings_.MovieQuality[name] = quality;
    } else if (option == kSpeed) {
      settings_.MovieSpeed[name] = FromUtf8(value);
    }
  }
  return true;
}

bool MovieEncoderCatalogue::ShowAbout(const std::u16string& name) {
  const MovieEncoder* encoder = encoders_.Find(name);
  if (encoder == nullptr || dialogs_ == nullptr) return false;
  std::u16string text = name + u"\nEncoder: " + FromUtf8(encoder->ffmpegName) + u" (FFmpeg)";
  if (!encoder->softwareName.empty()) text += u"\nWhen it will not start: " + FromUtf8(encoder->softwareName);
  dialogs_->ShowAbout(name, text);
  return true;
}
