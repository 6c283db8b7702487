#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "book/DrawRecord.h"
#include "platform/gfx/GraphicsDevice.h"

// The picture of the part of a frame that stays still while a leaf turns (the floor, the cover,
// the lying pages with their photos), kept in a render target of its own with the record it was
// drawn from, so that frames with an equal record copy it in instead of drawing it again. A part
// is kept from its first frame when the caller knows it stays, or when the frame before was
// copied in: a scene at rest that changes once (a photo arrives, a turn ends) is mostly at rest
// again. Otherwise only the second of two frames in a row with equal records keeps a copy, so a
// scene that changes every frame pays for no copies. User-interface thread only.
class StillPartCache {
 public:
  // Pictures larger than this (a 4K frame) are not kept: memory for a movie at a large factor.
  static constexpr int64_t kMaxPixels = 3840 * 2160;
  // An area to draw again larger than this share of the frame is drawn whole instead.
  static constexpr double kMostOfTheFrame = 0.6;

  // Copies the kept picture into what is drawn into now and gives the device the states its
  // drawing left. False, changing nothing, unless the picture was drawn from an equal record on
  // this device and the copy succeeds.
  bool Restore(GraphicsDevice& device, const DrawRecord& record);
  // For a record that differs from the kept picture's in a few mesh draws (a photo arrived, a
  // page was turned over): copies the kept picture in, gives the device the states its drawing
  // left and returns the area where the two pictures can differ, which the caller must draw
  // again from record, limited to that area. None, changing nothing, when the records differ in
  // more, when that area is most of the frame (drawing it whole costs no more), or when the copy
  // fails.
  std::optional<GraphicsDevice::Rect> RestoreAllBut(GraphicsDevice& device, const DrawRecord& record);
  // To be called right after the still part was drawn from record. staysStill tells that the
  // part will not change for a while (a leaf turns over it), so it is kept from its first frame.
  void Keep(GraphicsDevice& device, DrawRecord record, bool staysStill = false);
  // Drops the picture and its render target, as before a device reset.
  void Release();

 private:
  bool EnsureStore(GraphicsDevice& device, GraphicsDevice::Size size);
  bool CopyIn(GraphicsDevice& device);

  const GraphicsDevice* device_ = nullptr;
  std::unique_ptr<RenderTarget> store_;
  std::optional<DrawRecord> kept_;  // what store_ holds
  RenderStates keptStates_;         // the states its drawing left
  DrawRecord previous_;             // the last frame's
  bool previousRefused_ = false;    // the copy of an equal record failed: not tried again
  bool previousRestored_ = false;   // the last frame's part was copied in
};
