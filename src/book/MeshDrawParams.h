#pragma once

#include <glm/vec4.hpp>

#include "platform/gfx/Mesh.h"
#include "platform/gfx/RenderStates.h"
#include "platform/gfx/Texture.h"

class EffectDrawer;
struct EffectSceneState;

// The arguments of one RenderContext::DrawMesh. Pointers are not owned and need only live for
// the call.
struct MeshDrawParams {
  bool lighting = true;
  const Texture* texture = nullptr;  // none draws the material or vertex colour alone
  bool shiny = false;                // specular highlights of power 1000
  glm::vec4 colour{1.0f};            // material r, g, b, a in 0..1; an alpha below 1 blends
  const Mesh* mesh = nullptr;
  RenderStates::Cull cull = RenderStates::Cull::Clockwise;
  bool depthLessEqual = false;  // else the depth test always passes
  bool useEffect = false;
  glm::vec4 textureResolution{0.0f};  // image width, height, 1, 0 for photos
  EffectDrawer* effect = nullptr;
  float effectTime = 0.0f;  // seconds
  const EffectSceneState* frameState = nullptr;  // the frame's transforms, light and camera
};
