#pragma once

#include <cstdint>
#include <optional>

#include <glm/vec3.hpp>

#include "platform/gfx/RenderTarget.h"

class EffectDrawer;
struct FrameRepeat;
struct SceneTextures;

// The turn state and textures of a frame expected to come (the next turn's beginning, the rest
// after a turn), whose still part is prepared ahead while frames before it are drawn.
struct AheadFrame {
  int turnDirection = 0;
  float turnProgress = 0.0f;
  int leafDirection = 0;
  float leafPosition = 0.0f;
  const SceneTextures* textures = nullptr;
};

// The application's state that one frame of the scene is drawn from. Pointers are not owned.
struct SceneFrameInputs {
  uint32_t nowMilliseconds = 0;        // system timer: camera moves and the viewer's effect time
  std::optional<float> exportSeconds;  // movie time while exporting: per-photo effect times
  int turnDirection = 0;               // the page turn: +1 forward, -1 backward, 0 none
  float turnProgress = 0.0f;
  int leafDirection = 0;  // the interleaf's turn
  float leafPosition = 0.0f;
  glm::vec3 lightPosition{0.0f};
  bool wireframe = false;
  int clientWidth = 0;  // of the window, or of the target while exporting
  int clientHeight = 0;
  float aspectFactor = 1.0f;
  RenderTarget* target = nullptr;  // where to draw; none: the device's current framebuffer
  EffectDrawer* effect = nullptr;  // the photo effect, if one is loaded
  // With a target: a frame drawn from the same record as the target's picture is not drawn again.
  FrameRepeat* repeat = nullptr;
  // The frame expected to come, if any; not while frames are handed on (repeat).
  std::optional<AheadFrame> ahead;
};
