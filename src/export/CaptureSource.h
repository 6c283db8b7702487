#pragma once

#include <cstdint>

// Pixel formats of a capture source. The numbers are the Direct3D 9 format codes the export was
// designed around, so a graphics layer can pass its own codes through unchanged; any other value
// is a format the capture cannot read.
enum class CaptureFormat : uint32_t {
  Unknown = 0,
  A8R8G8B8 = 21,  // 32 bits per pixel, bytes B, G, R, A in memory.
  X8R8G8B8 = 22,  // 32 bits per pixel, bytes B, G, R, unused in memory.
};

// What a successful Lock hands out. Row y of the picture (y = 0 is the TOP row, the order of a
// Direct3D surface and of an OpenGL read-back after the graphics layer has flipped it) starts at
// bits + y * pitch. Both stay valid until Unlock.
struct CaptureLock {
  const uint8_t* bits = nullptr;
  int32_t pitch = 0;  // bytes from one row to the next, at least width * 4
};

// A picture in system memory that FrameCapture reads once per movie frame: in the export, the
// system-memory copy of the offscreen target. Implemented by the graphics layer; FrameCapture
// never owns it. Width, height and format are read once, when the capture is built, and must
// not change while the capture exists. Called on the user-interface thread only.
class CaptureSource {
 public:
  virtual ~CaptureSource() = default;

  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  virtual CaptureFormat Format() const = 0;

  // Maps the pixels for reading. True when the source is locked; it must then be unlocked even
  // if the lock record turns out unusable (no pointer, pitch <= 0). False: nothing to unlock.
  virtual bool Lock(CaptureLock& lock) = 0;
  virtual void Unlock() = 0;
};
