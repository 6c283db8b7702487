#pragma once

#include <memory>

#include "platform/media/InputPin.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/MuxContainer.h"
#include "platform/media/OutputPin.h"
#include "platform/media/PacketMuxer.h"
#include "platform/media/PacketStreamFormat.h"

// What the AVI Mux and the movie mux share: one video input pin, one output pin giving the movie
// file as a byte stream (MEDIATYPE_Stream) whose samples carry their file offsets, for the File
// Writer. Takes a compressor's packets (see PacketStreamFormat), for AVI also uncompressed frames
// exactly as the program's source sends them. A sample's frame number is its start time over
// AvgTimePerFrame, rounded (for packets: the decode time; the media time, when set, is the frame
// it is shown at). The header is written when the filter starts; the index on the end of the
// stream (passed on after it), or on Stop when no end came, so a movie stopped early is complete
// and playable. A failure fails Receive and reports EC_ERRORABORT. Graph's thread for everything
// but the pins' streaming calls.
class PacketMux : public MediaFilter {
 public:
  ~PacketMux() override;

  HRESULT CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) override;
  void GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types) override;
  HRESULT DecideBufferSize(const OutputPin& pin, ALLOCATOR_PROPERTIES* properties) override;
  HRESULT Receive(InputPin& pin, IMediaSample* sample) override;
  HRESULT EndOfStream(InputPin& pin) override;

 protected:
  // outputName: the output pin's name; subtype: its byte stream's subtype.
  PacketMux(MovieContainer container, const char16_t* outputName, const Guid& subtype);

  HRESULT OnStart() override;
  HRESULT OnStop() override;
  // The muxer's own options for the movie about to start.
  virtual PacketMuxer::Options MuxerOptions() const { return {}; }
  // What IConfigMovieMux sets and reads, shared by both muxes.
  HRESULT KeepFrameCount(int64_t frames);
  HRESULT KeepSoundtrack(const Soundtrack& soundtrack);
  HRESULT SoundtrackBreak(std::u16string* file) const;
  HRESULT FramesStored(int64_t* frames) const;
  int64_t frameCount() const { return frameCount_; }

 private:
  MediaType StreamType() const;
  HRESULT DeliverBytes(int64_t offset, const uint8_t* bytes, int count);
  HRESULT Finish();

  MuxContainer container_;
  Guid subtype_;
  InputPin input_;
  OutputPin output_;
  PacketStreamFormat format_;
  std::unique_ptr<PacketMuxer> muxer_;  // while a movie is open
  int64_t frameCount_ = 0;
  Soundtrack soundtrack_;
  std::u16string soundtrackBreak_;  // of the last movie
  int64_t framesStored_ = 0;        // in the last movie
};
