#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/gfx/EffectParameters.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/RenderStates.h"
#include "platform/gfx/ScreenVertex.h"

class Effect;
class Mesh;
class Texture;

// What a NullDevice was asked to do: counts of its clears and draws, and the parameters of the
// last of each. Pointers are for identity checks only and may dangle.
struct NullDeviceLog {
  int clears = 0;
  unsigned lastClearFlags = 0;
  uint32_t lastClearColour = 0;
  float lastClearDepth = 0.0f;
  uint8_t lastClearStencil = 0;

  int meshDraws = 0;
  const Mesh* lastMesh = nullptr;
  int triangleDraws = 0;
  int lastTriangleCount = 0;
  // Draws through an effect, the passes they made, and the last one's effect and values.
  int effectDraws = 0;
  int effectPasses = 0;
  const Effect* lastEffect = nullptr;
  EffectParameters lastEffectParameters;
  int quadDraws = 0;
  std::array<ScreenVertex, 4> lastQuad{};

  // Copies of the drawing into a store and back (CopyDrawingTo, CopyDrawingFrom) that succeeded.
  int drawingCopiesTo = 0;
  int drawingCopiesFrom = 0;

  // Waits until the drawing is done (Finish).
  int finishes = 0;

  // The states, texture and scissor in force at the last successful draw of any kind.
  RenderStates lastDrawStates;
  const Texture* lastDrawTexture = nullptr;
  std::optional<GraphicsDevice::Rect> lastDrawScissor;
};
