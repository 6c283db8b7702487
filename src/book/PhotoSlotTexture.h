#pragma once

#include "platform/gfx/Texture.h"
#include "settings/PhotoRotation.h"

// What the renderer needs of one texture-window slot: its photo's texture (not owned; none while
// the slot is empty or still loading), the image's size in pixels, the photo's display flags
// (0 when its index lies outside the photo list) and its index.
struct PhotoSlotTexture {
  const Texture* texture = nullptr;
  int imageWidth = 0;
  int imageHeight = 0;
  PhotoRotation flags = 0;
  int photoIndex = -1;
};
