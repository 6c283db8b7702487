#include "book/SceneRenderer.h"

#include <cmath>
#include <vector>

#include "book/AnimationTiming.h"
#include "book/CameraAnimator.h"
#include "book/ColourArgb.h"
#include "book/DevicePointLight.h"
#include "book/FullTurn.h"
#include "book/PageMeshTurn.h"
#include "book/ScenePlan.h"
#include "book/ShowcaseSequence.h"
#include "book/ViewMatrices.h"
#include "settings/Settings.h"

namespace {

using Cull = RenderStates::Cull;

constexpr glm::vec4 kWhite{1.0f};
constexpr glm::vec4 kInterleafColour{1.0f, 1.0f, 1.0f, 0.5f};

glm::vec4 Opaque(const Colour& colour) { return {colour.r, colour.g, colour.b, 1.0f}; }

// Only a leaf clearly lifted off both pages is depth-tested against them; lying faces are
// drawn in order.
bool Lifted(float progress) { return std::fabs(EaseProgress(progress) - FullTurn / 2) < 0.4f * FullTurn; }

}  // namespace

bool SceneRenderer::RenderFrame(const SceneFrameInputs& inputs, const SceneTextures& textures) {
  if (context_.device() == nullptr) return false;
  inputs_ = &inputs;
  textures_ = &textures;
  effectTime_ = AnimationTiming::ViewerEffectSeconds(inputs.nowMilliseconds);
  SetFrameStates();
  SetUpCamera();
  const bool begun = BeginScene();
  if (begun) {
    context_.ClearFrame(ColourArgb(settings_.BGColour));
    direction_ = FrameTurnDirection(inputs.turnDirection, inputs.leafDirection);
    DrawBook();
    if (settings_.RenderShadows) DrawShadows();
    EndScene();
  }
  inputs_ = nullptr;
  textures_ = nullptr;
  return begun;
}

void SceneRenderer::SetFrameStates() {
  RenderStates states = device().renderStates();
  states.fill = inputs_->wireframe ? RenderStates::Fill::Wireframe : RenderStates::Fill::Solid;
  states.ambient = ColourArgb(settings_.BGColour);
  device().SetRenderStates(states);
  device().SetLight(DevicePointLight(LightRecord::PointAt(inputs_->lightPosition)));
}

void SceneRenderer::SetUpCamera() {
  camera_.UpdateCamera(inputs_->nowMilliseconds);
  const CameraPreset& camera = camera_.current();
  const ViewMatrices matrices =
      ViewMatrices::ForCamera(camera, inputs_->clientWidth, inputs_->clientHeight, inputs_->aspectFactor);
  context_.SetView(matrices.view);
  context_.SetProjection(matrices.projection);
  context_.SetWorld(matrices.world);
  frameState_ = {matrices.world, matrices.view, matrices.projection, inputs_->lightPosition,
                 {camera.x, camera.y, camera.z}};
}

bool SceneRenderer::BeginScene() {
  if (device().lost()) return false;
  return inputs_->target == nullptr || device().SetRenderTarget(inputs_->target);
}

void SceneRenderer::EndScene() {
  if (inputs_->target != nullptr) device().SetRenderTarget(nullptr);
}

void SceneRenderer::DrawFloor() {
  const Mesh* floor = scene_.Floor(device());
  if (floor == nullptr || textures_->background == nullptr) return;
  MeshDrawParams params;
  params.texture = textures_->background;
  params.mesh = floor;
  context_.DrawMesh(params);
}

void SceneRenderer::DrawCover() {
  for (int half = 0; half < 2; ++half) {
    MeshDrawParams params;
    params.texture = textures_->cover;
    params.colour = Opaque(settings_.CoverColour);
    params.mesh = scene_.Cover(device(), half);
    context_.DrawMesh(params);
  }
}

// Floor, cover and the lying pages are opaque and drawn over whatever is below them, so the
// pages, which hide most of the cover and much of the floor, can go first and leave floor and
// cover only the pixels they do not cover: the same picture with far fewer pixels shaded, which is
// most of a frame's cost on a software rasteriser. Without a stencil they go in the plain order.
void SceneRenderer::DrawBook() {
  const std::vector<FaceDraw> draws = PlanPages(inputs_->turnDirection, inputs_->turnProgress,
                                                inputs_->leafPosition, settings_.RenderTransparentPage);
  const std::span<const FaceDraw> lying(draws.begin(), draws.begin() + kLyingPageDraws);
  if (context_.SetCoverage(RenderContext::Coverage::Mark)) {
    DrawPages(lying);
    context_.SetCoverage(RenderContext::Coverage::OnlyUnmarked);
    DrawFloor();
    DrawCover();
    context_.SetCoverage(RenderContext::Coverage::Off);
  } else {
    DrawFloor();
    DrawCover();
    DrawPages(lying);
  }
  DrawPages(std::span(draws).subspan(kLyingPageDraws));
}

void SceneRenderer::DrawPages(std::span<const FaceDraw> draws) {
  for (const FaceDraw& draw : draws) DrawPage(draw);
}

void SceneRenderer::DrawPage(const FaceDraw& draw) {
  PageFace& face = scene_.Face(draw.face);
  const bool interleaf = face.page().Transparent();
  MeshDrawParams params;
  params.mesh = face.Prepare(device(), draw.progress, direction_);
  if (params.mesh == nullptr) return;
  params.lighting = !interleaf;
  params.texture = interleaf ? textures_->transparentPaper : textures_->paper;
  params.shiny = settings_.ShinyPaper;
  params.colour = interleaf ? kInterleafColour : Opaque(settings_.PaperColour);
  params.cull = face.page().Side() ? Cull::Clockwise : Cull::CounterClockwise;
  params.depthLessEqual = !interleaf && Lifted(draw.progress);
  context_.DrawMesh(params);
  if (draw.topSlot >= 0) DrawPhoto(face, draw.topSlot, true, params.cull);
  if (draw.bottomSlot >= 0) DrawPhoto(face, draw.bottomSlot, false, params.cull);
}

void SceneRenderer::DrawPhoto(PageFace& face, int slot, bool top, RenderStates::Cull cull) {
  const PhotoSlotTexture& photo = textures_->slots[slot];
  if (photo.texture == nullptr) return;
  MeshDrawParams params;
  params.mesh = face.PreparePhoto(device(), top, photo.imageWidth, photo.imageHeight, photo.flags);
  if (params.mesh == nullptr) return;
  params.lighting = settings_.LightenPhotos;
  params.texture = photo.texture;
  params.shiny = settings_.ShinyPhotos;
  params.colour = kWhite;
  params.cull = cull;
  params.useEffect = true;
  params.effect = inputs_->effect;
  params.textureResolution = {static_cast<float>(photo.imageWidth), static_cast<float>(photo.imageHeight), 1, 0};
  params.effectTime = PhotoEffectTime(photo.photoIndex);
  params.frameState = &frameState_;
  context_.DrawMesh(params);
}

float SceneRenderer::PhotoEffectTime(int photoIndex) const {
  if (!inputs_->exportSeconds) return effectTime_;
  const ShowcaseSequence showcase(AnimationTiming::FromSettings(settings_));
  return showcase.PhotoEffectTime(photoIndex, *inputs_->exportSeconds);
}

void SceneRenderer::DrawShadows() {
  context_.ClearStencil();
  for (BookFace caster :
       ShadowCasters(inputs_->turnDirection, inputs_->leafDirection, settings_.RenderTransparentPage)) {
    PageMesh& page = scene_.Face(caster).page();
    page.BuildShadowVolume(inputs_->lightPosition);
    context_.DrawShadowVolume(kShadowVolumeTriangles, page.ShadowVolume());
  }
  context_.DarkenShadowed(kShadowColour);
}
