#include "book/SceneRenderer.h"

#include <cmath>
#include <span>
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

// The stencil bits of the book's coverage order (see DrawBook).
constexpr uint8_t kLyingPageMark = 1, kCoverMark = 2, kFirstPhotosMark = 4, kSecondPhotosMark = 8;

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
  scene_.SetRightToLeft(settings_.RightToLeftBook);
  const bool begun = BeginScene();
  if (begun) {
    direction_ = FrameTurnDirection(inputs.turnDirection, inputs.leafDirection);
    DrawBookUnlessRepeated();
    EndScene();
  }
  inputs_ = nullptr;
  textures_ = nullptr;
  return begun;
}

// Every frame starts from the default states, not from what the last frame's draws left: a frame
// is then drawn the same whatever came before it, which lets its still part be reused.
void SceneRenderer::SetFrameStates() {
  RenderStates states;
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

void SceneRenderer::DrawBookUnlessRepeated() {
  const std::vector<FaceDraw> draws = PlanPages(inputs_->turnDirection, inputs_->turnProgress,
                                                inputs_->leafPosition, settings_.RenderTransparentPage);
  if (FrameRepeat* repeat = inputs_->target != nullptr ? inputs_->repeat : nullptr) {
    DrawRecord record = RecordBook(draws);
    repeat->repeated = record.reusable && record == repeat->last;
    if (repeat->repeated) return;
    repeat->last = std::move(record);
  }
  DrawBook(draws);
  if (settings_.RenderShadows) DrawShadows();
}

// The book's draws noted in one record, in the order DrawBook makes them.
DrawRecord SceneRenderer::RecordBook(const std::vector<FaceDraw>& draws) {
  const size_t still = StillDrawCount(draws, inputs_->turnDirection, inputs_->leafDirection);
  context_.BeginRecording();
  DrawStill(std::span(draws).first(still));
  for (const FaceDraw& draw : std::span(draws).subspan(still)) DrawPage(draw);
  if (settings_.RenderShadows) DrawShadows();
  return context_.EndRecording();
}

void SceneRenderer::DrawBook(const std::vector<FaceDraw>& draws) {
  const size_t still = StillDrawCount(draws, inputs_->turnDirection, inputs_->leafDirection);
  DrawStillPart(std::span(draws).first(still));
  for (const FaceDraw& draw : std::span(draws).subspan(still)) DrawPage(draw);
}

// The still part is first only noted, which prepares its meshes too; drawing it for real is
// needed only when the last picture kept of it was drawn from something else, and then, when the
// two differ in a few draws (a photo arrived, a page was turned over), only where those reach.
void SceneRenderer::DrawStillPart(std::span<const FaceDraw> draws) {
  context_.BeginRecording();
  DrawStill(draws);
  DrawRecord record = context_.EndRecording();
  // A frame that only copies its part in has time for a band of the part expected next.
  if (inputs_->ahead && inputs_->ahead->textures != nullptr && inputs_->repeat == nullptr &&
      stillPart_.Holds(device(), record))
    PrepareStillAhead();
  if (stillPart_.Restore(device(), record)) return;
  const std::optional<GraphicsDevice::Rect> changed = stillPart_.RestoreAllBut(device(), record);
  if (changed) device().SetScissor(*changed);
  DrawStill(draws);
  if (changed) device().SetScissor(std::nullopt);
  // What lies under a turning leaf stays for the whole turn.
  stillPart_.Keep(device(), std::move(record), LeafTurns());
}

bool SceneRenderer::LeafTurns() const { return inputs_->turnDirection != 0 || inputs_->leafDirection != 0; }

// A band of the still part of the frame expected to come, drawn before this frame's part is
// copied in over it; the frame goes on from the default states.
void SceneRenderer::PrepareStillAhead() {
  const AheadFrame& ahead = *inputs_->ahead;
  const std::vector<FaceDraw> draws =
      PlanPages(ahead.turnDirection, ahead.turnProgress, ahead.leafPosition, settings_.RenderTransparentPage);
  const std::span<const FaceDraw> still =
      std::span(draws).first(StillDrawCount(draws, ahead.turnDirection, ahead.leafDirection));
  const SceneTextures* frameTextures = textures_;
  const int frameDirection = direction_;
  textures_ = ahead.textures;
  direction_ = FrameTurnDirection(ahead.turnDirection, ahead.leafDirection);
  context_.BeginRecording();
  DrawStill(still);
  const DrawRecord expected = context_.EndRecording();
  const double share = LeafTurns() ? StillPartCache::kAheadBandShareWhileTurning : StillPartCache::kAheadBandShare;
  if (const std::optional<GraphicsDevice::Rect> band = stillPart_.AheadBand(device(), expected, share)) {
    device().SetScissor(*band);
    DrawStill(still);
    device().SetScissor(std::nullopt);
    stillPart_.KeepAheadBand(device());
  }
  textures_ = frameTextures;
  direction_ = frameDirection;
  SetFrameStates();
}

// Floor, cover, the lying pages and their photos are opaque and each drawn over what is below it,
// so they can go in the opposite order with the stencil keeping each from what is drawn over it:
// photos, paper around them, cover around the pages, floor around the book. The picture is the
// same, and the pixels hidden in it, most of a frame's cost on a software rasteriser, are never
// shaded. Each page's photos have a mark of their own: a page may cover the other page's photos.
void SceneRenderer::DrawStill(std::span<const FaceDraw> draws) {
  context_.ClearFrame(ColourArgb(settings_.BGColour));
  const std::span<const FaceDraw> lying = draws.first(kLyingPageDraws);
  if (context_.SetCoverage(0, kLyingPageMark)) {
    DrawLyingPage(lying[0], kFirstPhotosMark);
    DrawLyingPage(lying[1], kSecondPhotosMark);
    context_.SetCoverage(kLyingPageMark, kCoverMark);
    DrawCover();
    context_.SetCoverage(kLyingPageMark | kCoverMark, 0);
    DrawFloor();
    context_.EndCoverage();
  } else {
    DrawFloor();
    DrawCover();
    for (const FaceDraw& draw : lying) DrawPage(draw);
  }
  for (const FaceDraw& draw : draws.subspan(kLyingPageDraws)) DrawPage(draw);
}

void SceneRenderer::DrawPage(const FaceDraw& draw) {
  PageFace& face = scene_.Face(draw.face);
  const MeshDrawParams paper = PaperParams(face, draw);
  if (paper.mesh == nullptr) return;
  context_.DrawMesh(paper);
  DrawPhotos(face, draw, paper.cull);
}

void SceneRenderer::DrawLyingPage(const FaceDraw& draw, uint8_t photosMark) {
  PageFace& face = scene_.Face(draw.face);
  const MeshDrawParams paper = PaperParams(face, draw);
  if (paper.mesh == nullptr) return;
  context_.SetCoverage(0, kLyingPageMark | photosMark);
  DrawPhotos(face, draw, paper.cull);
  context_.SetCoverage(photosMark, kLyingPageMark);
  context_.DrawMesh(paper);
}

// Shapes the face for its place in the plan; no mesh when that fails.
MeshDrawParams SceneRenderer::PaperParams(PageFace& face, const FaceDraw& draw) {
  const bool interleaf = face.page().Transparent();
  MeshDrawParams params;
  params.mesh = face.Prepare(device(), draw.progress, direction_);
  params.lighting = !interleaf;
  params.texture = interleaf ? textures_->transparentPaper : textures_->paper;
  params.shiny = settings_.ShinyPaper;
  params.colour = interleaf ? kInterleafColour : Opaque(settings_.PaperColour);
  params.cull = face.page().ColumnsRunRight() ? Cull::Clockwise : Cull::CounterClockwise;
  params.depthLessEqual = !interleaf && Lifted(draw.progress);
  return params;
}

void SceneRenderer::DrawPhotos(PageFace& face, const FaceDraw& draw, RenderStates::Cull cull) {
  if (draw.topSlot >= 0) DrawPhoto(face, draw.topSlot, true, cull);
  if (draw.bottomSlot >= 0) DrawPhoto(face, draw.bottomSlot, false, cull);
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
