#pragma once

#include <cstdint>
#include <string>

// What the report at the end of a movie export is made of.
struct ExportReportFacts {
  bool hasCapture = false;
  std::u16string moviePath;
  int32_t width = 0;
  int32_t height = 0;
  float fps = 0.0f;
  int32_t framesRendered = 0;
  int32_t framesStored = 0;
  uint32_t elapsedMilliseconds = 0;
  int64_t fileSize = 0;
  std::u16string formatText;
  // The movie's container and encoder; each line is left out when empty.
  std::u16string containerText;
  std::u16string encoderText;
  std::u16string soundtrackText;
  std::u16string methodText;
  std::u16string qualityText;
  // A failure was shown during the export (a full disk, a file removed): the movie is not all
  // the tour, or not where it was written.
  bool failed = false;
};

// The text of the report box: the movie's facts when at least one frame was stored, else the
// failure line. After a failure the facts are not headed as a success.
std::u16string ExportReportText(const ExportReportFacts& facts);

// A rate as the report writes it: shortest form ("%g"), cut after the first digit behind the
// decimal point ("12.3456" gives "12.3"); an exponent is kept.
std::u16string ReportRateText(double value);
