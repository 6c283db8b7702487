#pragma once

#include <cstdint>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/OutputPin.h"

// A source for tests that sends frames as the program's own source does: RGB24 rows bottom row
// first, padded to 4 bytes, in a VIDEOINFO format block; frame n timed [n, n + 1) frame
// durations, each a sync point; it accepts only that exact type. Frames go out on the calling
// thread. When stopped it sends the end of the stream, as the program's source does, unless told
// not to.
class TestVideoSource final : public ComObject<MediaFilter> {
 public:
  TestVideoSource(int width, int height, REFERENCE_TIME frameTime);

  HRESULT GetClassID(Guid* classId) override;
  HRESULT CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) override;
  void GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types) override;
  HRESULT DecideBufferSize(const OutputPin& pin, ALLOCATOR_PROPERTIES* properties) override;

  // Sends frame (Stride() * height bytes, bottom row first) as the next frame; Deliver's answer.
  HRESULT Push(const std::vector<uint8_t>& frame);
  HRESULT EndStream();
  size_t Stride() const;
  OutputPin& Output() { return output_; }

  bool endOnStop = true;

 protected:
  HRESULT OnStop() override;

 private:
  OutputPin output_;
  MediaType offered_;
  int height_;
  REFERENCE_TIME frameTime_;
  int64_t next_ = 0;
  bool ended_ = false;
};
