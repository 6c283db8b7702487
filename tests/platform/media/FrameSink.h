#pragma once

#include <cstdint>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/media/InputPin.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/RawVideoFormat.h"

// A renderer for tests: takes uncompressed video in one pixel format only (or, made with
// AV_PIX_FMT_NONE, any video at all, compressed too) and keeps a copy of every sample it receives
// with its times and sync flag.
class FrameSink final : public ComObject<MediaFilter> {
 public:
  struct Frame {
    std::vector<uint8_t> bytes;
    REFERENCE_TIME start = -1;
    REFERENCE_TIME end = -1;
    bool sync = false;
  };

  explicit FrameSink(AVPixelFormat wanted) : input_(*this, u"In"), wanted_(wanted) { AddPin(&input_); }

  HRESULT GetClassID(Guid* classId) override {
    *classId = GUID_NULL;
    return S_OK;
  }
  HRESULT CheckMediaType(const FilterPin&, const AM_MEDIA_TYPE& type) override {
    if (wanted_ == AV_PIX_FMT_NONE) return type.majortype == MEDIATYPE_Video ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    RawVideoFormat format;
    return RawVideoFormat::FromMediaType(type, &format) && format.pixelFormat == wanted_ ? S_OK
                                                                                         : VFW_E_TYPE_NOT_ACCEPTED;
  }
  HRESULT Receive(InputPin&, IMediaSample* sample) override {
    Frame frame;
    uint8_t* bytes = nullptr;
    sample->GetPointer(&bytes);
    frame.bytes.assign(bytes, bytes + sample->GetActualDataLength());
    sample->GetTime(&frame.start, &frame.end);
    frame.sync = sample->IsSyncPoint() == S_OK;
    frames.push_back(std::move(frame));
    return S_OK;
  }

  InputPin input_;
  std::vector<Frame> frames;

 private:
  AVPixelFormat wanted_;
};
