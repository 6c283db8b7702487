#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

// The part of the application state the photo effect reads each draw: the transforms the scene
// renderer set for the frame, the light position and the camera position, all in world space.
struct EffectSceneState {
  glm::mat4 world{1.0f};
  glm::mat4 view{1.0f};
  glm::mat4 projection{1.0f};
  glm::vec3 lightPosition{0.0f};
  glm::vec3 eyePosition{0.0f};
};
