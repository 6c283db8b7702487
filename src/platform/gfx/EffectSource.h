#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/EffectTechnique.h"

// An effect file taken apart: its techniques in file order, each pass with the GLSL text of its
// stages copied in. Parsing needs no device; compiling is the device's job (CreateEffect).
struct EffectSource {
  std::vector<EffectTechnique> techniques;

  // Parses the bytes of an effect file (see docs/effect-files.md). On failure returns false with
  // error holding "line N: what is wrong" lines; source is then unspecified. Any bytes are safe.
  static bool Parse(std::string_view text, EffectSource& source, std::string& error);
};
