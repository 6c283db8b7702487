#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec4.hpp>

#include "platform/gfx/EffectParameter.h"

class Texture;

// The values handed to an effect for one draw, one field per EffectParameter. Matrices act on
// column vectors like the device's transforms: worldViewProjection = projection * view * world
// takes a model-space position to clip space. Textures are not owned; none is nullptr.
struct EffectParameters {
  const Texture* myTexture0 = nullptr;
  const Texture* myTexture1 = nullptr;
  glm::vec4 myTextureResolution0{0.0f};
  glm::vec4 myTextureResolution1{0.0f};
  glm::vec4 uvBounds0{0.0f};
  glm::vec4 uvBounds1{0.0f};
  glm::mat4 world{1.0f};
  glm::mat4 view{1.0f};
  glm::mat4 projection{1.0f};
  glm::mat4 worldView{1.0f};
  glm::mat4 viewProjection{1.0f};
  glm::mat4 worldViewProjection{1.0f};
  glm::mat4 worldInverseTranspose{1.0f};
  glm::vec4 ambientCol{0.0f};
  glm::vec4 diffuseCol{0.0f};
  glm::vec4 specularCol{0.0f};
  glm::vec4 lightPos{0.0f};
  glm::vec4 lightPosModelSpace{0.0f};
  float power = 0.0f;
  glm::vec4 eyePos{0.0f};
  glm::vec4 eyePosModelSpace{0.0f};
  float time = 0.0f;

  // The field of a parameter of that kind, or nullptr when the parameter is of another kind.
  const Texture* const* TextureOf(EffectParameter parameter) const;
  const glm::vec4* VectorOf(EffectParameter parameter) const;
  const glm::mat4* MatrixOf(EffectParameter parameter) const;
  const float* ScalarOf(EffectParameter parameter) const;
};
