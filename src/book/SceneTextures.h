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

// The textures as they are once the texture window has moved on by a spread
// (TextureWindow::ShiftForward): each slot takes the next spread's, the last spread none.
inline SceneTextures ShiftedForward(SceneTextures textures) {
  constexpr int kSlots = BookLayout::kWindowSlots, kSpread = BookLayout::kSpreadSlots;
  for (int k = 0; k < kSlots; ++k)
    textures.slots[k] = k + kSpread < kSlots ? textures.slots[k + kSpread] : PhotoSlotTexture{};
  return textures;
}
