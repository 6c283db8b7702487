#pragma once

#include <cstdint>
#include <optional>

// How the export dialog ties frame size, pixel aspect ratio (PAR) and display aspect ratio (DAR)
// together: DAR = width * PAR / height. The DAR is never stored, always derived. Any thread.
class ExportAspect {
 public:
  ExportAspect() = delete;

  // 0 when height is 0; a hand-edited negative height gives a negative ratio, shown as it is.
  static float DisplayAspect(int32_t width, int32_t height, float pixelAspect);
  // The DAR to show after width, height or PAR was edited; nothing unless both sizes are >= 1.
  static std::optional<float> EditedDisplayAspect(int32_t width, int32_t height, float pixelAspect);
  // The height to show after the DAR was edited, truncated; nothing unless the DAR is > 0.
  // Held within the 32-bit range, since the fields may hold any digits.
  static std::optional<int32_t> HeightForDisplayAspect(int32_t width, float pixelAspect, float displayAspect);
};
