#pragma once

#include <cstdint>
#include <memory>

#include "export/OffscreenSystemCopy.h"
#include "export/OffscreenTargetSize.h"

class GraphicsDevice;
class RenderTarget;

// The offscreen picture of a movie export: a render target larger than the movie frame by the
// antialiasing factor along each axis (with a depth-stencil buffer of its own), and its copy in
// system memory, which FrameCapture reduces to the movie frame.
//
// One object, owned by the renderer for the program's life. Create replaces the target at every
// export start; the target is kept after the export ends. At a device loss Release frees it (the
// device cannot be reset while it lives); after the reset Restore makes it again at the same size.
// The device is not owned and must outlive the target or be handed over by Release first.
// User-interface thread only.
class OffscreenTarget {
 public:
  // powerOfTwoOnly: the device takes only power-of-two texture sizes.
  explicit OffscreenTarget(bool powerOfTwoOnly = false) : powerOfTwoOnly_(powerOfTwoOnly) {}
  OffscreenTarget(const OffscreenTarget&) = delete;
  OffscreenTarget& operator=(const OffscreenTarget&) = delete;
  ~OffscreenTarget();

  // Frees any previous target, then builds one for a movie of movieWidth x movieHeight, trying
  // the factor of quality (clamped to 1..4) first and each smaller one down to 1 when the
  // target or its copy cannot be made or exceeds the device's largest texture. True when a
  // target was built; the debug output then names its size and factor.
  bool Create(GraphicsDevice& device, int32_t movieWidth, int32_t movieHeight, int32_t quality);
  // Frees the target and the copy's pixels and forgets the device (device lost or destroyed).
  void Release();
  // After a device reset: builds the target again at the size and factor it had, since a capture
  // may have been laid out for that size. True when there was nothing to restore or it was made.
  bool Restore(GraphicsDevice& device);

  // The render target and its copy exist and the target is not lost.
  bool Valid() const;
  int32_t Width() const { return size_.width; }
  int32_t Height() const { return size_.height; }
  // The factor actually used, 0 without a target.
  int32_t Factor() const { return size_.factor; }

  // Directs drawing into the target, its whole surface the viewport, and back to the window.
  bool BeginOffscreenScene();
  bool EndOffscreenScene();
  // Draws the target over the whole viewport of the window (after EndOffscreenScene, inside the
  // window's scene), scaled, unlit and opaque. Render states come back as they were; texture
  // stage 0 is left empty, so the target is never sampled while it is drawn into.
  bool DrawToWindow();
  // Reads the target back into the system copy; after the frame is presented.
  bool CopyToSystemMemory();

  // The copy FrameCapture reads: stays the same object for the target's whole life.
  CaptureSource& SystemCopy() { return copy_; }
  const RenderTarget* renderTarget() const { return target_.get(); }
  RenderTarget* renderTarget() { return target_.get(); }

 private:
  bool Build(GraphicsDevice& device, const OffscreenTargetSize& size);
  bool BoundHere() const;

  bool powerOfTwoOnly_;
  GraphicsDevice* device_ = nullptr;
  std::unique_ptr<RenderTarget> target_;
  OffscreenSystemCopy copy_;
  OffscreenTargetSize size_;
  // The size built last, kept through Release so that Restore can build it again.
  OffscreenTargetSize restoreSize_;
};
