#pragma once

#include <string>

// One GLSL block of an effect file: its name, its text as written (without the markers) and the
// file line its first text line has, so that compiler messages can name file lines.
struct EffectStage {
  std::string name;
  std::string code;
  int firstLine = 1;
};
