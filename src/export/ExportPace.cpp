#include "export/ExportPace.h"

#include <algorithm>
#include <cmath>

#include "platform/sys/StringConvert.h"

namespace {

std::u16string TwoDigits(long long value) { return (value < 10 ? u"0" : u"") + DecimalText(value); }

}  // namespace

double ExportPace::Percent() const { return count > 0 ? 100.0 * done / count : 100.0; }

double ExportPace::FramesPerSecond() const { return elapsedMs > 0 ? done * 1000.0 / elapsedMs : 0.0; }

double ExportPace::SecondsLeft() const {
  const double rate = FramesPerSecond();
  return rate > 0 ? (count - done) / rate : -1.0;
}

std::u16string ExportPace::ClockText(double seconds) {
  const long long whole = std::llround(std::max(seconds, 0.0));
  const long long hours = whole / 3600;
  const long long minutes = whole / 60 % 60;
  const std::u16string rest = TwoDigits(whole % 60);
  if (hours == 0) return DecimalText(minutes) + u":" + rest;
  return DecimalText(hours) + u":" + TwoDigits(minutes) + u":" + rest;
}
