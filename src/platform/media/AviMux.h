#pragma once

#include <memory>

#include "platform/com/ComObject.h"
#include "platform/media/AviPacketMuxer.h"
#include "platform/media/AviStreamFormat.h"
#include "platform/media/InputPin.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/OutputPin.h"

// The AVI Mux (CLSID_AviDest): one video input pin, one output pin giving the AVI file as a byte
// stream (MEDIATYPE_Stream, MEDIASUBTYPE_Avi) whose samples carry their file offsets, for the
// File Writer. Takes uncompressed frames exactly as the program's source sends them, or a
// compressor's packets (see AviStreamFormat). A sample's frame number is its start time over
// AvgTimePerFrame, rounded (for packets: the decode time). The header is written when the filter
// starts; the index on the end of the stream (passed on after it), or on Stop when no end came,
// so a movie stopped early is complete and playable. A failure fails Receive and reports
// EC_ERRORABORT. Graph's thread for everything but the pins' streaming calls.
class AviMux final : public ComObject<MediaFilter> {
 public:
  AviMux();
  ~AviMux() override;

  HRESULT GetClassID(Guid* classId) override;

  HRESULT CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) override;
  void GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types) override;
  HRESULT DecideBufferSize(const OutputPin& pin, ALLOCATOR_PROPERTIES* properties) override;
  HRESULT Receive(InputPin& pin, IMediaSample* sample) override;
  HRESULT EndOfStream(InputPin& pin) override;

 protected:
  HRESULT OnStart() override;
  HRESULT OnStop() override;

 private:
  HRESULT DeliverBytes(int64_t offset, const uint8_t* bytes, int count);
  HRESULT Finish();

  InputPin input_;
  OutputPin output_;
  AviStreamFormat format_;
  std::unique_ptr<AviPacketMuxer> muxer_;  // while a movie is open
};
