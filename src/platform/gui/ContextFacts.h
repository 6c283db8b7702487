#pragma once

#include <string>
#include <vector>

// What the drawing area's graphics context offers, and the screen it shows on, as the window
// reads them from the toolkit and from OpenGL: the facts device selection is made from.
struct ContextFacts {
  // GL_RENDERER.
  std::string renderer;
  int redBits = 8;
  int greenBits = 8;
  int blueBits = 8;
  int alphaBits = 0;
  int depthBits = 24;
  int stencilBits = 8;
  // The multisample counts beyond none, e.g. 2 and 4.
  std::vector<int> sampleCounts;
  // The screen: size in pixels, refresh rate in hertz (0 when unknown), bits per pixel.
  int screenWidth = 0;
  int screenHeight = 0;
  int screenRefreshRate = 0;
  int screenDepth = 24;
};
