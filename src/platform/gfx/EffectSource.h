#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/EffectTechnique.h"

// An effect file taken apart: its techniques in file order, each pass with the GLSL text of its
// stages copied in. Parsing needs no device; compiling is the device's job (CreateEffect).
//
// The format (written up for users in data/UserGuide.html, section "Effect files"):
//   optimization = true | false;            optional, at most once
//   technique NAME { pass NAME { vertex = BLOCK; fragment = BLOCK; } ... }
//   shader NAME
//   <<<
//   GLSL text, taken verbatim
//   >>>
// with // and /* */ comments outside blocks, the vertex stage optional and blocks usable by any
// number of passes, before or after them.
struct EffectSource {
  std::vector<EffectTechnique> techniques;

  // Parses the bytes of an effect file. On failure returns false with error holding "line N: what
  // is wrong" for the first fault; source is then unspecified. Any bytes are safe.
  static bool Parse(std::string_view text, EffectSource& source, std::string& error);
};
