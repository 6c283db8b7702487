#pragma once

#include <cstdint>
#include <string>

// One entry of the export dialog's resolution list.
struct ExportPreset {
  std::u16string name;  // never translated
  int32_t width = 0;
  int32_t height = 0;
  float displayAspect = 0;  // DAR
  float pixelAspect = 0;    // PAR = DAR * height / width
  float framesPerSecond = 0;
};
