#pragma once

#include <memory>

#include "platform/com/ComObject.h"
#include "platform/media/EncoderOptionTable.h"
#include "platform/media/IEncoderSettings.h"
#include "platform/media/MovieEncoder.h"
#include "platform/media/InputPin.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/OutputPin.h"
#include "platform/media/RawVideoFormat.h"
#include "platform/media/VideoCompressor.h"
#include "platform/media/VideoEncoder.h"

struct AVCodec;
struct AVPacket;

// The filter of one installed video compressor (an FFmpeg encoder), as BindVideoCompressor makes
// it. Its input takes uncompressed video in a pixel format the encoder codes natively; the
// encoder opens as the input connects, so a size or rate the encoder refuses refuses the
// connection. Its output gives one packet per sample: MEDIATYPE_Video under the codec's AVI
// four-character code, the encoder's private data after the VIDEOINFOHEADER; a sample's start is
// its decode time (negative for the first ones when B-frames are used), its end one frame
// later, key frames are sync points. The end of the stream drains the encoder first; so does
// Stop when no end came, so no frame is lost either way. Its settings (IEncoderSettings) are kept
// by friendly name in the EncoderSettingsStore and apply when the encoder opens. Samples also
// carry the frame number each packet is shown at as their media time.
// Graph's (user-interface) thread for everything but the pins' streaming calls.
class VideoCompressorFilter final : public ComObject<MediaFilter, IEncoderSettings> {
 public:
  // compressor: an entry of VideoCompressorList (its encoder must exist).
  explicit VideoCompressorFilter(VideoCompressor compressor);
  // A movie encoder (MP4, Matroska, WebM): takes 4:2:0 YUV (yuv420p) only and opens the first of
  // attempts that will open at the movie's size, with that attempt's options, so a hardware
  // encoder that fails falls back to the software one after it. name: the plain name.
  VideoCompressorFilter(const std::u16string& name, std::vector<EncoderAttempt> attempts);
  ~VideoCompressorFilter() override;

  HRESULT GetClassID(Guid* classId) override;

  HRESULT GetOptions(std::vector<EncoderOption>* options) override;
  HRESULT SetOption(const std::string& name, const std::string& value) override;
  HRESULT ResetOptions() override;
  HRESULT GetAboutText(std::u16string* text) override;

  HRESULT CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) override;
  void GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types) override;
  HRESULT CompleteConnect(FilterPin& pin) override;
  void BreakConnect(FilterPin& pin) override;
  HRESULT DecideBufferSize(const OutputPin& pin, ALLOCATOR_PROPERTIES* properties) override;
  HRESULT Receive(InputPin& pin, IMediaSample* sample) override;
  HRESULT EndOfStream(InputPin& pin) override;

 protected:
  HRESULT OnStart() override;
  HRESULT OnStop() override;

 private:
  HRESULT CheckInputType(const AM_MEDIA_TYPE& type);
  bool TakesNatively(AVPixelFormat format) const;
  HRESULT OpenEncoder(const RawVideoFormat& input);
  HRESULT OpenFirstAttempt(const RawVideoFormat& input);
  MediaType OutputType() const;
  HRESULT Drain();
  HRESULT DeliverPackets();
  HRESULT DeliverPacket(const AVPacket& packet);
  EncoderOptionTable& Options();

  VideoCompressor compressor_;
  const AVCodec* codec_;
  InputPin input_;
  OutputPin output_;
  VideoEncoder encoder_;
  AVPacket* packet_;
  std::vector<EncoderAttempt> attempts_;         // movie encoders only
  std::unique_ptr<EncoderOptionTable> options_;  // made when first asked for
  bool used_ = false;                            // frames went into the encoder since it opened
  bool drained_ = false;                         // the encoder gave out everything it had
  int64_t nextFrame_ = 0;
};
