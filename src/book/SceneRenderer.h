#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "book/BookScene.h"
#include "book/EffectSceneState.h"
#include "book/FaceDraw.h"
#include "book/FrameRepeat.h"
#include "book/RenderContext.h"
#include "book/SceneFrameInputs.h"
#include "book/SceneTextures.h"
#include "book/StillPartCache.h"

class CameraAnimator;
class Settings;

// Draws one frame of the book through a RenderContext: floor, cover, page faces with their
// photos, the interleaf and the stencil shadows, as the settings ask. What stays still while a
// leaf turns is copied in from the last frame when nothing it is drawn from changed. Keeps
// references to the context, the scene, the settings and the camera, which must outlive it.
// User-interface thread only.
class SceneRenderer {
 public:
  // Every pixel inside a shadow is darkened by 0x30 / 255 towards black.
  static constexpr uint32_t kShadowColour = 0x30000000u;
  static constexpr int kShadowVolumeTriangles = 260;

  SceneRenderer(RenderContext& context, BookScene& scene, const Settings& settings, CameraAnimator& camera)
      : context_(context), scene_(scene), settings_(settings), camera_(camera) {}

  // Sets the frame's states, light, camera and matrices (kept in the context), then draws into
  // inputs.target or the current framebuffer. False when nothing was drawn: no device, a lost
  // one, or a target that could not be set. With inputs.repeat and a target, a frame whose record
  // equals the one the target's picture was drawn from leaves the target as it is (and is true).
  bool RenderFrame(const SceneFrameInputs& inputs, const SceneTextures& textures);

  // The transforms, camera and light of the last frame, as the effect sees them.
  const EffectSceneState& frameState() const { return frameState_; }

  // Frees the device resources it keeps, as before a device reset.
  void ReleaseDeviceResources() { stillPart_.Release(); }

 private:
  GraphicsDevice& device() const { return *context_.device(); }
  void SetFrameStates();
  void SetUpCamera();
  bool BeginScene();
  void EndScene();
  void DrawFloor();
  void DrawCover();
  void DrawBook(const std::vector<FaceDraw>& draws);
  // Draws the book unless inputs_->repeat says the target already shows it.
  void DrawBookUnlessRepeated();
  // What the whole book, shadows included, would be drawn from.
  DrawRecord RecordBook(const std::vector<FaceDraw>& draws);
  // Copied in from an earlier frame when it would be drawn the same.
  void DrawStillPart(std::span<const FaceDraw> draws);
  void PrepareStillAhead();
  // Whether a page or the interleaf turns in this frame.
  bool LeafTurns() const;
  void DrawStill(std::span<const FaceDraw> draws);
  void DrawPage(const FaceDraw& draw);
  // The same with its photos first and the paper around them, within the book's coverage order.
  void DrawLyingPage(const FaceDraw& draw, uint8_t photosMark);
  MeshDrawParams PaperParams(PageFace& face, const FaceDraw& draw);
  void DrawPhotos(PageFace& face, const FaceDraw& draw, RenderStates::Cull cull);
  void DrawPhoto(PageFace& face, int slot, bool top, RenderStates::Cull cull);
  float PhotoEffectTime(int photoIndex) const;
  void DrawShadows();

  RenderContext& context_;
  BookScene& scene_;
  const Settings& settings_;
  CameraAnimator& camera_;
  // The frame being drawn; set for the duration of RenderFrame only.
  const SceneFrameInputs* inputs_ = nullptr;
  const SceneTextures* textures_ = nullptr;
  int direction_ = 0;
  float effectTime_ = 0.0f;
  EffectSceneState frameState_;
  StillPartCache stillPart_;
};
