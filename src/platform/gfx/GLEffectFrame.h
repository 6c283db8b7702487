#pragma once

#include <glm/mat4x4.hpp>

// What the GLDevice tells an effect pass besides the effect parameters: its own transforms (for
// the default vertex stage), how the picture is mapped, and the OpenGL names of the textures
// for MyTexture0 and MyTexture1 (0 for none).
struct GLEffectFrame {
  glm::mat4 world{1.0f};
  glm::mat4 viewProjection{1.0f};
  bool convertDepth = false;
  bool flipY = false;
  unsigned textures[2] = {0, 0};
};
