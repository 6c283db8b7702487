#pragma once

#include <array>
#include <cstddef>

#include <glm/mat3x3.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>

#include "platform/gfx/DeviceStatus.h"
#include "platform/gfx/GLFixedFunctionVariant.h"
#include "platform/gfx/Material.h"
#include "platform/gfx/PointLight.h"
#include "platform/gfx/RenderStates.h"

// The shader program that stands in for Direct3D 9's fixed-function pipeline: per-vertex lighting
// (one point light, global ambient, material or vertex-colour sources, Blinn-Phong specular with
// a local viewer) and texture stage 0. One instance per variant: flat shading uses flat
// interpolation with the first vertex of a triangle providing the colour. Requires a current
// OpenGL 3.3 context; owned by the GLDevice, same thread.
class GLFixedFunctionProgram {
 public:
  GLFixedFunctionProgram() = default;
  ~GLFixedFunctionProgram();
  GLFixedFunctionProgram(const GLFixedFunctionProgram&) = delete;
  GLFixedFunctionProgram& operator=(const GLFixedFunctionProgram&) = delete;

  // convertDepth maps the 0..1 depth of the transforms onto OpenGL's -1..1 clip range, for a
  // context without clip control. Failure carries the compiler's or linker's log.
  DeviceStatus Create(const GLFixedFunctionVariant& variant, bool convertDepth);
  void Destroy();
  // Makes the program current; the setters below need that.
  void Use() const;

  void SetTransforms(const glm::mat4& worldView, const glm::mat4& projection);
  // Screen quads of a pretransformed variant: x, y are pixels of a viewport of this size.
  void SetViewport(glm::vec2 viewport);
  // Render targets are drawn upside down so that their row 0 is the top of the picture.
  void SetFlipY(bool flip);
  // Whether the terms are used at all is the variant's choice; light.position must be in view
  // space already.
  void SetLighting(const RenderStates& states, const PointLight& light, const Material& material);

 private:
  // Looked up once when the program is made, not on every draw; -1 for one compiled out.
  // clang-format off
  enum Uniform : size_t {
    kTexture, kConvertDepth, kWorldView, kProjection, kNormalMatrix, kViewport,
    kFlipY, kAmbientLevel, kMaterialDiffuse, kMaterialAmbient, kMaterialSpecular, kMaterialEmissive,
    kMaterialPower, kDiffuseFromVertex, kAmbientFromVertex, kSpecularFromVertex, kLightPosition, kLightDiffuse,
    kLightSpecular, kLightAmbient, kLightRange, kLightAttenuation, kUniformCount
  };
  // clang-format on
  static const char* const kUniformNames[kUniformCount];
  int Location(Uniform uniform) const { return locations_[uniform]; }

  unsigned program_ = 0;
  std::array<int, kUniformCount> locations_{};
};
