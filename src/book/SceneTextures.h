#pragma once

#include <array>

#include "book/BookLayout.h"
#include "book/PhotoSlotTexture.h"
#include "platform/gfx/Texture.h"

// The textures of one frame, gathered by the application from its texture holders; none of
// them is owned, each may be missing.
struct SceneTextures {
  std::array<PhotoSlotTexture, BookLayout::kWindowSlots> slots{};
  const Texture* background = nullptr;
  const Texture* cover = nullptr;
  const Texture* paper = nullptr;
  const Texture* transparentPaper = nullptr;
};
