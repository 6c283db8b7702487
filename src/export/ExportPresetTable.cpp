#include "export/ExportPresetTable.h"

#include <cmath>
#include <utility>

#include "export/ExportAspect.h"

namespace {

constexpr float kFourThirds = 4.0f / 3.0f;
constexpr float kSixteenNinths = 16.0f / 9.0f;
constexpr float kNtscRate = 29.97f;
constexpr float kMatchTolerance = 0.01f;

// The print rows whose DAR is irrational get their PAR computed from it.
ExportPreset Computed(std::u16string name, int32_t width, int32_t height, float displayAspect) {
  return {std::move(name), width, height, displayAspect, displayAspect * height / width, 25};
}

std::array<ExportPreset, ExportPresetTable::kRowCount> BuildRows() {
  const float sqrt2 = std::sqrt(2.0f);
  const float golden = (1.0f + std::sqrt(5.0f)) / 2.0f;
  return {{
      {u"Custom", 1, 1, 1.0f, 1.0f, 1.0f},
      {u"Computer 4:3 - 320 x 240", 320, 240, kFourThirds, 1.0f, 25},
      {u"Computer 4:3 - 500 x 375", 500, 375, kFourThirds, 1.0f, 25},
      {u"Computer 4:3 - 640 x 480", 640, 480, kFourThirds, 1.0f, 25},
      {u"Computer 4:3 - 800 x 600", 800, 600, kFourThirds, 1.0f, 25},
      {u"Computer 16:9 - 640 x 360 Widescreen", 640, 360, kSixteenNinths, 1.0f, 25},
      {u"Computer 16:9 - 1024 x 576 Widescreen", 1024, 576, kSixteenNinths, 1.0f, 25},
      Computed(u"Print - A4", 640, 452, sqrt2),
      {u"Print - 10:15", 640, 426, 1.5f, 0.9984375f, 25},
      Computed(u"Print - Golden Ratio", 640, 395, golden),
      {u"SD NTSC DVD", 720, 480, kFourThirds, 0.8888889f, kNtscRate},
      {u"SD NTSC D1", 720, 486, kFourThirds, 0.9f, kNtscRate},
      {u"SD NTSC DVD Widescreen", 720, 480, kSixteenNinths, 1.1851852f, kNtscRate},
      {u"SD NTSC DV Square Pixel", 720, 540, kFourThirds, 1.0f, kNtscRate},
      {u"SD PAL DVD", 720, 576, kFourThirds, 1.0666667f, 25},
      {u"SD PAL D1", 720, 576, kFourThirds, 1.0666667f, 25},
      {u"SD PAL DVD Widescreen", 720, 576, kSixteenNinths, 1.4222223f, 25},
      {u"SD PAL DV Square Pixel", 768, 576, kFourThirds, 1.0f, 25},
      {u"HD 1280 x 720", 1280, 720, kSixteenNinths, 1.0f, 25},
      {u"HD 1440 x 1080", 1440, 1080, kSixteenNinths, 1.3333334f, 25},
      {u"HD 1920 x 1080", 1920, 1080, kSixteenNinths, 1.0f, 25},
  }};
}

bool Near(float a, float b) { return std::fabs(a - b) < kMatchTolerance; }

}  // namespace

const std::array<ExportPreset, ExportPresetTable::kRowCount>& ExportPresetTable::Rows() {
  static const std::array<ExportPreset, kRowCount> rows = BuildRows();
  return rows;
}

int ExportPresetTable::MatchingRow(int32_t width, int32_t height, float pixelAspect, float framesPerSecond) {
  const float displayAspect = ExportAspect::DisplayAspect(width, height, pixelAspect);
  for (int row = kCustomRow + 1; row < kRowCount; ++row) {
    const ExportPreset& preset = Rows()[row];
    if (preset.width == width && preset.height == height && Near(preset.displayAspect, displayAspect) &&
        Near(preset.pixelAspect, pixelAspect) && Near(preset.framesPerSecond, framesPerSecond))
      return row;
  }
  return kCustomRow;
}
