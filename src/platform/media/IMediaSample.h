#pragma once

#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/media/AmMediaType.h"
#include "platform/media/ReferenceTime.h"

// One buffer of media data travelling downstream, lent by an allocator: the last Release hands
// it back to its allocator instead of destroying it. Times are stream times of 100 ns.
class IMediaSample : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A8689A, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT GetPointer(uint8_t** buffer) = 0;
  virtual int32_t GetSize() = 0;
  // S_OK with both times, VFW_S_NO_STOP_TIME (as success) with the start only,
  // VFW_E_SAMPLE_TIME_NOT_SET when none was set.
  virtual HRESULT GetTime(REFERENCE_TIME* start, REFERENCE_TIME* end) = 0;
  // Null start clears the times.
  virtual HRESULT SetTime(const REFERENCE_TIME* start, const REFERENCE_TIME* end) = 0;
  // S_OK yes, S_FALSE no.
  virtual HRESULT IsSyncPoint() = 0;
  virtual HRESULT SetSyncPoint(bool isSyncPoint) = 0;
  virtual HRESULT IsPreroll() = 0;
  virtual HRESULT SetPreroll(bool isPreroll) = 0;
  virtual int32_t GetActualDataLength() = 0;
  // E_INVALIDARG beyond the buffer size.
  virtual HRESULT SetActualDataLength(int32_t length) = 0;
  // S_FALSE and null when the type did not change from the previous sample.
  virtual HRESULT GetMediaType(AM_MEDIA_TYPE** type) = 0;
  virtual HRESULT SetMediaType(const AM_MEDIA_TYPE* type) = 0;
  virtual HRESULT IsDiscontinuity() = 0;
  virtual HRESULT SetDiscontinuity(bool isDiscontinuity) = 0;
  // Media times: a compressor puts the frame numbers a packet is shown at (its presentation
  // order) here, beside the decode times in the stream times. VFW_E_MEDIA_TIME_NOT_SET when none
  // was set; null start clears them.
  virtual HRESULT GetMediaTime(int64_t* start, int64_t* end) = 0;
  virtual HRESULT SetMediaTime(const int64_t* start, const int64_t* end) = 0;
};
