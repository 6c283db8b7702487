#include "export/ExportReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "photos/FilePaths.h"
#include "platform/sys/StringConvert.h"

namespace {

std::u16string ShortestText(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return FromUtf8(text);
}

std::u16string DurationLine(int32_t framesStored, float fps) {
  const long long seconds = static_cast<long long>(std::floor(framesStored / static_cast<double>(fps)));
  if (seconds < 60) return u"Duration:\t" + DecimalText(seconds) + u" seconds\n";
  return u"Duration:\t" + DecimalText(seconds / 60) + u" minutes\n";
}

std::u16string SpeedLine(const ExportReportFacts& facts) {
  if (facts.elapsedMilliseconds == 0) return {};
  const double perSecond = facts.framesStored * 1000.0 / facts.elapsedMilliseconds;
  if (!(perSecond > 0)) return {};
  return u"Export speed:\t" + ReportRateText(perSecond) + u" frames per second (" + ReportRateText(facts.fps / perSecond) +
         u" seconds per second)\n";
}

}  // namespace

std::u16string ReportRateText(double value) {
  std::u16string text = ShortestText(value);
  const size_t point = text.find(u'.');
  if (point == std::u16string::npos) return text;
  const size_t exponent = text.find_first_of(u"eE", point);
  const size_t cut = point + 2;
  if (exponent == std::u16string::npos) return text.substr(0, std::min(cut, text.size()));
  return text.substr(0, std::min(cut, exponent)) + text.substr(exponent);
}

std::u16string ExportReportText(const ExportReportFacts& facts) {
  if (facts.framesStored <= 0 || !facts.hasCapture) {
    return u"Error creating " + (facts.containerText.empty() ? std::u16string(u"AVI") : facts.containerText) + u" file";
  }
  std::u16string text = facts.failed ? u"The export ended with the error shown; what was stored is in:\n\n"
                                     : u"Animation successfully exported as:\n\n";
  text += u"\"" + facts.moviePath + u"\"\n\n";
  text += u"Width:\t" + DecimalText(facts.width) + u" pixels\n";
  text += u"Height:\t" + DecimalText(facts.height) + u" pixels\n";
  text += DurationLine(facts.framesStored, facts.fps);
  text += u"FPS:\t" + ShortestText(facts.fps) + u" frames per second\n";
  text += u"MBlur:\tN\n";
  text += u"Format:\t" + facts.formatText + u"\n";
  if (!facts.containerText.empty()) text += u"Container:\t" + facts.containerText + u"\n";
  if (!facts.encoderText.empty()) text += u"Encoder:\t" + facts.encoderText + u"\n";
  if (!facts.soundtrackText.empty()) text += u"Soundtrack:\t" + facts.soundtrackText + u"\n";
  text += u"Size:\t" + SizeText(facts.fileSize) + u"\n\n";
  text += u"Frames rendered:\t" + DecimalText(facts.framesRendered) + u"\n";
  text += u"Frames stored:\t" + DecimalText(facts.framesStored) + u"\n";
  text += SpeedLine(facts);
  text += u"AA method:\t" + facts.methodText + u"\n";
  text += u"AA quality:\t" + facts.qualityText + u"\n";
  return text;
}
