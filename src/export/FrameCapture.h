#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "export/CaptureSource.h"
#include "export/FrameCaptureBoxFilter.h"

// How the movie frames are taken: reduced in software from the larger offscreen picture, or
// grabbed from the window as it was drawn (the hardware-antialiasing export).
enum class CaptureMode : uint8_t {
  Software,
  ScreenGrab,
};

// Turns the picture of one exported frame into a movie frame: width x height pixels of 3 bytes
// (B, G, R), rows tightly packed and stored BOTTOM row first (the order of an uncompressed AVI
// frame). In the software mode each pixel is the box-filtered average of its block of source
// pixels (FrameCaptureBoxFilter). Also gives the three texts the export report prints about
// the method.
//
// Created and destroyed with the exporter on the user-interface thread, which also calls Grab.
// CopyFrame may run on the streaming thread, but never while Grab runs (the frame queue hands
// the frame over strictly one at a time).
class FrameCapture {
 public:
  // width, height: the movie frame size. source: the system-memory copy of the offscreen target
  // in the software mode, the window's pixels (of the movie's size) in the screen-grab mode; not
  // owned, must outlive the capture; may be null (nothing to grab). The source's size and format
  // are read here, once.
  FrameCapture(int32_t width, int32_t height, CaptureSource* source, CaptureMode mode = CaptureMode::Software);
  FrameCapture(const FrameCapture&) = delete;
  FrameCapture& operator=(const FrameCapture&) = delete;

  // True when the frame buffer was allocated (both sizes positive and memory to spare).
  bool Ok() const { return frame_ != nullptr; }
  // The source has a 32-bit format and at least one pixel per output pixel.
  bool CanSample() const { return filter_.Prepared(); }

  // Fills the frame from the source; true when it was filled and is to be stored in the movie.
  // False without a frame, without usable sampling, when the source does not lock or hands out
  // no pointer, or a pitch <= 0 or one shorter than the pixels read.
  bool Grab();
  // The picture of the next frame is the one last grabbed: the next Grab hands the frame on as it
  // is, reading nothing. False, changing nothing, unless the last Grab filled the frame.
  bool RepeatLastFrame();
  // The last Grab handed the frame before it on again.
  bool LastGrabRepeated() const { return lastRepeated_; }

  // Copies the frame, bottom row first, to destination with stride bytes from row to row: all
  // at once when the stride is the row length (width * 3), row by row when it is larger, leaving
  // the bytes between rows untouched. False, copying nothing, when it is smaller, without a
  // frame or without a destination.
  bool CopyFrame(uint8_t* destination, int32_t stride) const;

  std::u16string FormatText() const;
  std::u16string MethodText() const;
  std::u16string QualityText() const;

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  size_t RowBytes() const { return static_cast<size_t>(width_) * 3; }
  size_t FrameBytes() const { return RowBytes() * static_cast<size_t>(height_); }
  // The frame buffer (FrameBytes() bytes), null unless Ok().
  const uint8_t* Frame() const { return frame_.get(); }

 private:
  void PrepareSampling();
  bool GrabSource();
  bool SampleLocked(const CaptureLock& lock);

  CaptureMode mode_;
  CaptureSource* source_;
  int32_t width_;
  int32_t height_;
  // The source's size as read at construction; 0 without a source.
  int32_t sourceWidth_ = 0;
  int32_t sourceHeight_ = 0;
  std::unique_ptr<uint8_t[]> frame_;
  FrameCaptureBoxFilter filter_;
  // The last Grab filled the frame; the next one is to hand it on again; the last one did.
  bool holdsFrame_ = false;
  bool repeatNext_ = false;
  bool lastRepeated_ = false;
};
