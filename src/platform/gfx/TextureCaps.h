#pragma once

// What a device allows for textures, as far as choosing texture sizes is concerned.
struct TextureCaps {
  // The largest width and height of a texture; 16384 on Mesa llvmpipe. Nothing larger is ever
  // decoded either.
  int maxTextureSize = 16384;
  // Devices that take only power-of-two widths and heights. Ours take any size, but the rule is
  // kept for devices that do not.
  bool powerOfTwoOnly = false;
};
