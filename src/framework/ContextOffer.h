#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/ColourBits.h"
#include "framework/DepthStencilBits.h"

// What an OpenGL context and the screen its window shows on offer, in the plain numbers the
// window layer reads from its toolkit and from OpenGL.
struct ContextOffer {
  // The renderer's name (GL_RENDERER).
  std::string renderer;
  // The screen: size in pixels, refresh rate in hertz (0 when unknown) and bits per pixel as
  // screens report their depth (16, 24, 30, 32).
  uint32_t screenWidth = 0;
  uint32_t screenHeight = 0;
  uint32_t screenRefreshRate = 0;
  int screenDepth = 24;
  // The colour and depth-stencil buffers the context can draw with, best first.
  std::vector<ColourBits> colourBuffers;
  std::vector<DepthStencilBits> depthStencilBuffers;
  // The multisample counts it offers beyond none (e.g. 2 and 4, up to GL_MAX_SAMPLES).
  std::vector<int> sampleCounts;
  // Whether buffers can be swapped without waiting for the display (swap interval 0).
  bool immediateSwap = true;
};
