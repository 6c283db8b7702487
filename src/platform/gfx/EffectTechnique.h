#pragma once

#include <string>
#include <vector>

#include "platform/gfx/EffectPass.h"

// A named list of passes, drawn in order.
struct EffectTechnique {
  std::string name;
  std::vector<EffectPass> passes;
};
