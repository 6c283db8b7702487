#pragma once

#include <atomic>
#include <cstdint>

#include "platform/media/IMediaSample.h"

class IMemAllocator;

// One buffer lent by an allocator. Its last Release hands it back through the allocator's
// ReleaseBuffer rather than deleting it; the allocator owns and finally deletes it.
class MediaSample final : public IMediaSample {
 public:
  MediaSample(IMemAllocator* allocator, uint8_t* buffer, int32_t size);
  ~MediaSample() override;
  MediaSample(const MediaSample&) = delete;
  MediaSample& operator=(const MediaSample&) = delete;

  HRESULT QueryInterface(const InterfaceId& iid, void** object) override;
  uint32_t AddRef() override;
  uint32_t Release() override;

  HRESULT GetPointer(uint8_t** buffer) override;
  int32_t GetSize() override;
  HRESULT GetTime(REFERENCE_TIME* start, REFERENCE_TIME* end) override;
  HRESULT SetTime(const REFERENCE_TIME* start, const REFERENCE_TIME* end) override;
  HRESULT IsSyncPoint() override;
  HRESULT SetSyncPoint(bool isSyncPoint) override;
  HRESULT IsPreroll() override;
  HRESULT SetPreroll(bool isPreroll) override;
  int32_t GetActualDataLength() override;
  HRESULT SetActualDataLength(int32_t length) override;
  HRESULT GetMediaType(AM_MEDIA_TYPE** type) override;
  HRESULT SetMediaType(const AM_MEDIA_TYPE* type) override;
  HRESULT IsDiscontinuity() override;
  HRESULT SetDiscontinuity(bool isDiscontinuity) override;
  HRESULT GetMediaTime(int64_t* start, int64_t* end) override;
  HRESULT SetMediaTime(const int64_t* start, const int64_t* end) override;

  // Called by the allocator as it lends the sample out: one reference, nothing left over from
  // the previous user.
  void PrepareForLoan();

 private:
  void ClearMediaType();

  IMemAllocator* allocator_;  // not held: the allocator owns the sample
  uint8_t* buffer_;
  int32_t size_;
  std::atomic<uint32_t> count_{0};
  int32_t length_ = 0;
  REFERENCE_TIME start_ = 0;
  REFERENCE_TIME end_ = 0;
  bool hasStart_ = false;
  bool hasEnd_ = false;
  int64_t mediaStart_ = 0;
  int64_t mediaEnd_ = 0;
  bool hasMediaTime_ = false;
  bool syncPoint_ = false;
  bool preroll_ = false;
  bool discontinuity_ = false;
  AM_MEDIA_TYPE* type_ = nullptr;
};
