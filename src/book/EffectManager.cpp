#include "book/EffectManager.h"

#include <glm/matrix.hpp>

#include "platform/gfx/GraphicsDevice.h"

namespace {

constexpr glm::vec4 kWhite{1.0f};
constexpr glm::vec4 kFullUVBounds{0.0f, 1.0f, 0.0f, 1.0f};
constexpr float kPower = 1000.0f;

// The world matrix without its translation; for column vectors that is the fourth column.
glm::mat4 WithoutTranslation(glm::mat4 world) {
  world[3] = glm::vec4(0.0f, 0.0f, 0.0f, world[3][3]);
  return world;
}

}  // namespace

EffectParameters EffectManager::Parameters(const EffectSceneState& state, const Texture* texture,
                                           const glm::vec4& resolution, float time) {
  const glm::mat4& w = state.world;
  const glm::mat4& v = state.view;
  const glm::mat4& p = state.projection;
  const glm::mat4 inverseWorld = glm::inverse(w);
  EffectParameters values;
  values.myTexture0 = texture;
  values.myTextureResolution0 = resolution;
  values.uvBounds0 = values.uvBounds1 = kFullUVBounds;
  values.world = w;
  values.view = v;
  values.projection = p;
  values.worldView = v * w;
  values.viewProjection = p * v;
  values.worldViewProjection = p * v * w;
  values.worldInverseTranspose = WithoutTranslation(w);
  values.ambientCol = values.diffuseCol = values.specularCol = kWhite;
  values.lightPos = glm::vec4(state.lightPosition, 1.0f);
  values.lightPosModelSpace = inverseWorld * values.lightPos;
  values.power = kPower;
  values.eyePos = glm::vec4(state.eyePosition, 1.0f);
  values.eyePosModelSpace = inverseWorld * values.eyePos;
  values.time = time;
  return values;
}

std::u16string EffectManager::Choose(GraphicsDevice& device, const std::u16string& path, std::u16string& effectPath) {
  effectPath = path;
  file_.Release();
  file_ = EffectFile::Load(&device, path);
  std::u16string error = file_.errorText();
  if (!error.empty()) {
    file_.Release();
    effectPath.clear();
  }
  return error;
}

void EffectManager::Reload(GraphicsDevice& device, const std::u16string& effectPath) {
  file_.Release();
  if (!effectPath.empty()) file_ = EffectFile::Load(&device, effectPath);
  if (!file_.errorText().empty()) file_.Release();
}

bool EffectManager::Draw(GraphicsDevice& device, const Mesh& mesh, const EffectSceneState& state,
                         const Texture* texture, const glm::vec4& resolution, float time) const {
  return file_.Draw(device, mesh, Parameters(state, texture, resolution, time));
}
