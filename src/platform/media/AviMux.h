#pragma once

#include "platform/com/ComObject.h"
#include "platform/media/IConfigMovieMux.h"
#include "platform/media/PacketMux.h"

// The AVI Mux (CLSID_AviDest): writes the movie as an AVI file (MEDIASUBTYPE_Avi byte stream)
// with FFmpeg's AVI muxer; see PacketMux. Without a soundtrack the file holds the video alone.
class AviMux final : public ComObject<PacketMux, IConfigMovieMux> {
 public:
  AviMux();
  HRESULT GetClassID(Guid* classId) override;
  HRESULT SetFrameCount(int64_t frames) override { return KeepFrameCount(frames); }
  HRESULT SetSoundtrack(const Soundtrack& soundtrack) override { return KeepSoundtrack(soundtrack); }
  HRESULT GetSoundtrackBreak(std::u16string* file) override { return SoundtrackBreak(file); }
  HRESULT GetFramesStored(int64_t* frames) override { return FramesStored(frames); }
};
