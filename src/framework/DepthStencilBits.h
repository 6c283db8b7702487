#pragma once

// The depth and stencil bits of a depth-stencil buffer, as OpenGL and the window toolkit report
// them; floatingPointDepth for a floating-point depth channel.
struct DepthStencilBits {
  int depth = 0;
  int stencil = 0;
  bool floatingPointDepth = false;
};
