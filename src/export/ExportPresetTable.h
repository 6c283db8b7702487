#pragma once

#include <array>
#include <cstdint>

#include "export/ExportPreset.h"

// The fixed list of export resolutions. Row 0, "Custom", stands for any other setting and is
// never applied. Built on first use and never changed; any thread.
class ExportPresetTable {
 public:
  ExportPresetTable() = delete;

  static constexpr int kRowCount = 21;
  static constexpr int kCustomRow = 0;

  static const std::array<ExportPreset, kRowCount>& Rows();

  // The first row after Custom whose size equals width x height and whose DAR, PAR and frame
  // rate each lie within 0.01 of the given values; Custom when none does.
  static int MatchingRow(int32_t width, int32_t height, float pixelAspect, float framesPerSecond);
};
