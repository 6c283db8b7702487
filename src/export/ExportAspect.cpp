#include "export/ExportAspect.h"

#include <algorithm>
#include <cmath>
#include <limits>

float ExportAspect::DisplayAspect(int32_t width, int32_t height, float pixelAspect) {
  if (height == 0) return 0;
  return width * pixelAspect / height;
}

std::optional<float> ExportAspect::EditedDisplayAspect(int32_t width, int32_t height, float pixelAspect) {
  if (width < 1 || height < 1) return std::nullopt;
  return width * pixelAspect / height;
}

std::optional<int32_t> ExportAspect::HeightForDisplayAspect(int32_t width, float pixelAspect, float displayAspect) {
  if (!(displayAspect > 0)) return std::nullopt;
  const double height = std::trunc(static_cast<double>(width * pixelAspect / displayAspect));
  if (std::isnan(height)) return std::nullopt;
  constexpr double kLowest = std::numeric_limits<int32_t>::min(), kHighest = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(height, kLowest, kHighest));
}
