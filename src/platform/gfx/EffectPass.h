#pragma once

#include <optional>
#include <string>

#include "platform/gfx/EffectStage.h"

// One pass of a technique: the mesh is drawn once with these stages. Without a vertex stage the
// device's default one is used.
struct EffectPass {
  std::string name;
  std::optional<EffectStage> vertex;
  EffectStage fragment;
};
