#pragma once

#include <string>

#include "platform/gfx/RenderStates.h"

// The parts of the fixed-function stand-in one draw needs. Every variant is compiled as a program
// of its own with the unused parts left out: llvmpipe runs both sides of a branch on a uniform for
// every vertex and pixel, so one program deciding per draw would fetch a texel for an untextured
// page and light an unlit sheet.
struct GLFixedFunctionVariant {
  bool flat = false;            // flat interpolation, first vertex's colour
  bool pretransformed = false;  // screen quads: pixels in, no transform, no lighting
  bool lighting = false;        // material, ambient and emissive terms
  bool pointLight = false;      // the point light's diffuse (and specular) terms, with lighting
  bool specular = false;        // the specular highlight, with the point light
  bool textured = false;        // a texture is bound; without one it counts as opaque white
  RenderStates::TextureOp colourOp = RenderStates::TextureOp::Modulate;
  RenderStates::TextureOp alphaOp = RenderStates::TextureOp::SelectTexture;

  // The variant a draw with these states needs. Terms that cannot contribute are left out, so the
  // picture is the same as with every term computed.
  static GLFixedFunctionVariant For(const RenderStates& states, bool pretransformed, bool lightOn, bool textured);

  // Distinct for distinct variants.
  unsigned Key() const;
  // The preprocessor lines that select the variant in the shaders' source.
  std::string Defines() const;

  bool operator==(const GLFixedFunctionVariant&) const = default;
};
