#include "platform/gfx/GLFixedFunctionVariant.h"

namespace {

std::string Define(const char* name, int value) {
  return std::string("#define ") + name + " " + std::to_string(value) + "\n";
}

}  // namespace

GLFixedFunctionVariant GLFixedFunctionVariant::For(const RenderStates& states, bool pretransformed, bool lightOn,
                                                   bool textured) {
  GLFixedFunctionVariant variant;
  variant.flat = states.shade == RenderStates::Shade::Flat;
  variant.pretransformed = pretransformed;
  variant.lighting = states.lighting && !pretransformed;
  variant.pointLight = variant.lighting && lightOn;
  variant.specular = variant.pointLight && states.specular;
  variant.textured = textured;
  variant.colourOp = states.colourOp;
  variant.alphaOp = states.alphaOp;
  return variant;
}

unsigned GLFixedFunctionVariant::Key() const {
  const unsigned flags = (flat ? 1u : 0u) | (pretransformed ? 2u : 0u) | (lighting ? 4u : 0u) |
                         (pointLight ? 8u : 0u) | (specular ? 16u : 0u) | (textured ? 32u : 0u);
  return flags | static_cast<unsigned>(colourOp) << 6 | static_cast<unsigned>(alphaOp) << 8;
}

std::string GLFixedFunctionVariant::Defines() const {
  return std::string("#define INTERPOLATION ") + (flat ? "flat" : "smooth") + "\n" +
         Define("PRETRANSFORMED", pretransformed) + Define("LIGHTING", lighting) + Define("POINT_LIGHT", pointLight) +
         Define("SPECULAR", specular) + Define("TEXTURED", textured) +
         Define("COLOUR_OP", static_cast<int>(colourOp)) + Define("ALPHA_OP", static_cast<int>(alphaOp));
}
