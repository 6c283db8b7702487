#pragma once

#include <cstdint>

// The render states the scene sets, with Direct3D 9's meanings and default values. A plain value:
// callers keep a copy, change fields and hand the whole record to the device.
struct RenderStates {
  // Which screen winding is removed, as seen by the viewer. The world is left-handed and front
  // faces wind clockwise, so the default removes counter-clockwise (back) faces.
  enum class Cull { None, Clockwise, CounterClockwise };
  enum class Fill { Solid, Wireframe };
  enum class Shade { Flat, Gouraud };
  enum class MaterialSource { Material, VertexColour };
  enum class Blend { Zero, One, SourceAlpha, InverseSourceAlpha };
  // A test passes when "reference op stored value" (stencil) or "new op stored depth" holds.
  enum class Compare { Never, Less, Equal, LessEqual, Greater, NotEqual, GreaterEqual, Always };
  enum class StencilOp { Keep, Zero, Replace, IncrementSaturate, DecrementSaturate, Invert, Increment, Decrement };
  // Texture stage 0: texture x diffuse, the texture alone, or the diffuse colour alone. Without a
  // texture the texture counts as opaque white.
  enum class TextureOp { Modulate, SelectTexture, SelectDiffuse };

  Cull cull = Cull::CounterClockwise;
  Fill fill = Fill::Solid;
  Shade shade = Shade::Gouraud;

  bool lighting = true;
  uint32_t ambient = 0;  // ARGB global ambient level
  MaterialSource diffuseSource = MaterialSource::VertexColour;
  MaterialSource ambientSource = MaterialSource::Material;
  // Direct3D takes the specular colour from a second vertex colour, which our vertices lack, so the
  // effective default is the material.
  MaterialSource specularSource = MaterialSource::Material;
  bool specular = false;

  bool alphaBlend = false;
  Blend sourceBlend = Blend::One;
  Blend destinationBlend = Blend::Zero;

  bool depthEnable = true;
  Compare depthFunction = Compare::LessEqual;
  bool depthWrite = true;

  bool stencilEnable = false;
  Compare stencilFunction = Compare::Always;
  uint32_t stencilReference = 0;
  uint32_t stencilReadMask = 0xFFFFFFFFu;
  uint32_t stencilWriteMask = 0xFFFFFFFFu;
  StencilOp stencilFail = StencilOp::Keep;
  StencilOp stencilDepthFail = StencilOp::Keep;
  StencilOp stencilPass = StencilOp::Keep;

  TextureOp colourOp = TextureOp::Modulate;
  TextureOp alphaOp = TextureOp::SelectTexture;

  bool operator==(const RenderStates&) const = default;
};
