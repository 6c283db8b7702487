#include "platform/gfx/EffectParameters.h"

using P = EffectParameter;

const Texture* const* EffectParameters::TextureOf(EffectParameter parameter) const {
  if (parameter == P::MyTexture0) return &myTexture0;
  if (parameter == P::MyTexture1) return &myTexture1;
  return nullptr;
}

const glm::vec4* EffectParameters::VectorOf(EffectParameter parameter) const {
  switch (parameter) {
    case P::MyTextureResolution0: return &myTextureResolution0;
    case P::MyTextureResolution1: return &myTextureResolution1;
    case P::UVBounds0: return &uvBounds0;
    case P::UVBounds1: return &uvBounds1;
    case P::AmbientCol: return &ambientCol;
    case P::DiffuseCol: return &diffuseCol;
    case P::SpecularCol: return &specularCol;
    case P::LightPos: return &lightPos;
    case P::LightPosModelSpace: return &lightPosModelSpace;
    case P::EyePos: return &eyePos;
    case P::EyePosModelSpace: return &eyePosModelSpace;
    default: return nullptr;
  }
}

const glm::mat4* EffectParameters::MatrixOf(EffectParameter parameter) const {
  switch (parameter) {
    case P::World: return &world;
    case P::View: return &view;
    case P::Projection: return &projection;
    case P::WorldView: return &worldView;
    case P::ViewProjection: return &viewProjection;
    case P::WorldViewProjection: return &worldViewProjection;
    case P::WorldInverseTranspose: return &worldInverseTranspose;
    default: return nullptr;
  }
}

const float* EffectParameters::ScalarOf(EffectParameter parameter) const {
  if (parameter == P::Power) return &power;
  if (parameter == P::Time) return &time;
  return nullptr;
}
