#pragma once

// The bits of each channel of a colour buffer, as OpenGL and the window toolkit report them.
struct ColourBits {
  int red = 0;
  int green = 0;
  int blue = 0;
  int alpha = 0;
};
