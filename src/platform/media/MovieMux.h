#pragma once

#include "platform/com/ComObject.h"
#include "platform/media/IConfigMovieMux.h"
#include "platform/media/PacketMux.h"

// The movie mux (CLSID_Mp4Mux, CLSID_MatroskaMux, CLSID_WebMMux): writes the movie as an MP4,
// Matroska or WebM file (MEDIASUBTYPE_Movie byte stream) with FFmpeg's muxer for it; see
// PacketMux. Takes compressed packets only.
class MovieMux final : public ComObject<PacketMux, IConfigMovieMux> {
 public:
  // container: not AVI.
  explicit MovieMux(MovieContainer container);

  HRESULT GetClassID(Guid* classId) override;
  HRESULT SetFrameCount(int64_t frames) override { return KeepFrameCount(frames); }
  HRESULT SetSoundtrack(const Soundtrack& soundtrack) override { return KeepSoundtrack(soundtrack); }
  HRESULT GetSoundtrackBreak(std::u16string* file) override { return SoundtrackBreak(file); }
  HRESULT GetFramesStored(int64_t* frames) override { return FramesStored(frames); }

 protected:
  PacketMuxer::Options MuxerOptions() const override;

 private:
  MovieContainer container_;
};
