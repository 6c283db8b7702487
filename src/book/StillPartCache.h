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
  // A band of a part prepared ahead covers at most this share of the frame; a frame with a
  // turning leaf has the leaf to draw as well, so its bands are smaller (a turn has frames enough).
  static constexpr double kAheadBandShare = 0.125;
  static constexpr double kAheadBandShareWhileTurning = 1.0 / 32;

  // Copies the kept picture into what is drawn into now and gives the device the states its
  // drawing left. False, changing nothing, unless the picture was drawn from an equal record on
  // this device and the copy succeeds.
  bool Restore(GraphicsDevice& device, const DrawRecord& record);
  // Whether the kept picture was drawn from record on device, so that Restore copies it in.
  bool Holds(const GraphicsDevice& device, const DrawRecord& record) const;
  // For a record that differs from the kept picture's in a few mesh draws (a photo arrived, a
  // page was turned over), or from the part prepared ahead, finished or not: copies that picture
  // in (with the bands prepared so far), gives the device the states its drawing left and returns
  // the area where the two pictures can differ, which the caller must draw again from record,
  // limited to that area. None, changing nothing, when the records differ in more, when that area
  // is most of the frame (drawing it whole costs no more), or when the copy fails.
  std::optional<GraphicsDevice::Rect> RestoreAllBut(GraphicsDevice& device, const DrawRecord& record);
  // The still part a coming frame is expected to have (the next turn's beginning, the rest after
  // a turn) is prepared ahead, over the frames before it, in bands of the area where it differs
  // from the kept picture; Restore then copies in the kept picture and that area over it. Gives
  // the band to draw now, at most share of the frame, from expected and limited to the band, into
  // what is drawn into now, before this frame is drawn over it; none when there is nothing to
  // draw: the part is ready, there is no kept picture to start from, or the two differ in more
  // than a few draws.
  std::optional<GraphicsDevice::Rect> AheadBand(GraphicsDevice& device, const DrawRecord& expected, double share);
  // To be called right after the band was drawn.
  void KeepAheadBand(GraphicsDevice& device);
  // To be called right after the still part was drawn from record. staysStill tells that the
  // part will not change for a while (a leaf turns over it), so it is kept from its first frame.
  void Keep(GraphicsDevice& device, DrawRecord record, bool staysStill = false);
  // Drops the picture and its render target, as before a device reset.
  void Release();

 private:
  // The area of a part prepared ahead from record where it differs from the kept picture.
  struct Ahead {
    std::unique_ptr<RenderTarget> store;
    std::optional<DrawRecord> record;
    GraphicsDevice::Rect area;  // where it differs from the kept picture
    GraphicsDevice::Rect band;  // the band handed out last
    int nextRow = 0;
    bool ready = false;
    bool refused = false;  // a copy failed: not tried again for this record
    RenderStates states;   // the states its drawing left
  };

  bool EnsureStore(GraphicsDevice& device, GraphicsDevice::Size size);
  bool CopyIn(GraphicsDevice& device);
  bool Usable(const GraphicsDevice& device) const;
  static double Pixels(const GraphicsDevice::Rect& area);
  bool MostOfTheFrame(const GraphicsDevice::Rect& area, GraphicsDevice::Size frame) const;
  bool StartAhead(GraphicsDevice& device, const DrawRecord& expected);
  bool RestoreAhead(GraphicsDevice& device, const DrawRecord& record);
  std::optional<GraphicsDevice::Rect> RestorePartlyAhead(GraphicsDevice& device, const DrawRecord& record);
  bool CopyInWithAhead(GraphicsDevice& device, const GraphicsDevice::Rect& rows);
  void DropAhead();

  const GraphicsDevice* device_ = nullptr;
  std::unique_ptr<RenderTarget> store_;
  std::optional<DrawRecord> kept_;  // what store_ holds
  RenderStates keptStates_;         // the states its drawing left
  DrawRecord previous_;             // the last frame's
  bool previousRefused_ = false;    // the copy of an equal record failed: not tried again
  bool previousRestored_ = false;   // the last frame's part was copied in
  Ahead ahead_;
};
