#include "book/EffectManager.h"

#include <glm/matrix.hpp>

#include "book/MeshDrawParams.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gui/MessageSink.h"

namespace {

constexpr glm::vec4 kWhite{1.0f};
constexpr glm::vec4 kFullUVBounds{0.0f, 1.0f, 0.0f, 1.0f};
constexpr float kPower = 1000.0f;

// The world matrix without its translation; for column vectors that is the fourth column.
glm::mat4 WithoutTranslation(glm::mat4 world) {
  world[3] = glm::vec4(0.0f, 0.0f, 0.0f, world[3][3]);
  return world;
}

// A world that cannot be inverted would give every model-space position as NaN; such a world
// flattens the scene anyway, so the world-space positions stand in for them.
glm::mat4 ModelFromWorld(const glm::mat4& world) {
  return glm::determinant(world) == 0.0f ? glm::mat4(1.0f) : glm::inverse(world);
}

}  // namespace

EffectParameters EffectManager::Parameters(const EffectSceneState& state, const Texture* texture,
                                           const glm::vec4& resolution, float time) {
  const glm::mat4& w = state.world;
  const glm::mat4& v = state.view;
  const glm::mat4& p = state.projection;
  const glm::mat4 modelFromWorld = ModelFromWorld(w);
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
  values.lightPosModelSpace = modelFromWorld * values.lightPos;
  values.power = kPower;
  values.eyePos = glm::vec4(state.eyePosition, 1.0f);
  values.eyePosModelSpace = modelFromWorld * values.eyePos;
  values.time = time;
  return values;
}

bool EffectManager::Choose(GraphicsDevice& device, const std::u16string& path, std::u16string& effectPath,
                           MessageSink& messages) {
  effectPath = path;
  file_.Release();
  file_ = EffectFile::Load(&device, path);
  if (file_.errorText().empty()) return true;
  messages.ShowMessage(file_.errorText(), MessageSink::Icon::Error);
  file_.Release();
  effectPath.clear();
  return false;
}

void EffectManager::Reload(GraphicsDevice& device, const std::u16string& effectPath) {
  file_.Release();
  if (!effectPath.empty()) file_ = EffectFile::Load(&device, effectPath);
  if (!file_.errorText().empty()) file_.Release();
}

bool EffectManager::DrawWithEffect(GraphicsDevice& device, const Mesh& mesh, const MeshDrawParams& params) {
  const EffectSceneState state = params.frameState != nullptr ? *params.frameState : EffectSceneState{};
  return file_.Draw(device, mesh, Parameters(state, params.texture, params.textureResolution, params.effectTime));
}
