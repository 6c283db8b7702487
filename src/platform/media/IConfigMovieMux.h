#pragma once

#include <cstdint>
#include <string>

#include "platform/com/IUnknown.h"
#include "platform/media/Soundtrack.h"

// What a mux (the movie mux, the AVI Mux) is told before a movie starts. Graph's thread, while stopped.
class IConfigMovieMux : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x5E1C0A23, 0x7B2D, 0x4E6A, {0x9C, 0x31, 0x50, 0x61, 0x67, 0x65, 0x01, 0x04}};

  // The most frames the movie will hold. An MP4 movie keeps room for its index at the front for
  // that many, so it plays while it downloads and keeps its index even when the disk fills up;
  // 0 (unknown) puts the index at the end.
  virtual HRESULT SetFrameCount(int64_t frames) = 0;
  // The sound under the movie; none (the default) writes a movie of video only. Its fade-out
  // ends at the frame count above.
  virtual HRESULT SetSoundtrack(const Soundtrack& soundtrack) = 0;
  // After the movie: S_OK with the soundtrack file that broke off (the sound after it was
  // silence), S_FALSE when none did.
  virtual HRESULT GetSoundtrackBreak(std::u16string* file) = 0;
  // After the movie: how many frames the file holds whole (0 when the disk had no room for one).
  virtual HRESULT GetFramesStored(int64_t* frames) = 0;
};
