#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/media/IBaseFilter.h"
#include "platform/media/IMemInputPin.h"
#include "platform/media/IPin.h"

// A downstream input pin: records the types proposed to it, the allocator it was told of, the
// samples it received (times, sync flag, bytes) and end-of-stream; can refuse types, offer its
// own allocator and fail Receive. Its owner filter is not held (the filter holds the pin).
// Receive and EndOfStream run on the streaming thread; Wait lets a test wait for them.
class FakeInputPin final : public ComObject<IPin, IMemInputPin> {
 public:
  struct Sample {
    REFERENCE_TIME start = -1, end = -1;
    bool sync = false;
    int32_t length = 0;
    std::vector<uint8_t> bytes;  // the whole buffer
  };

  explicit FakeInputPin(IBaseFilter* owner) : owner_(owner) {}

  // Test set-up, before connecting.
  std::function<bool(const AM_MEDIA_TYPE&)> accepts = [](const AM_MEDIA_TYPE&) { return true; };
  std::vector<AM_MEDIA_TYPE> preferred;  // without format blocks
  ComPtr<IMemAllocator> ownAllocator;
  std::function<HRESULT(IMemAllocator*)> onNotify = [](IMemAllocator*) { return S_OK; };
  bool hasRequirements = false;
  ALLOCATOR_PROPERTIES requirements;
  HRESULT receiveResult = S_OK;
  std::function<void()> beforeAnswer;  // runs in Receive once the sample is recorded

  // Records, read once the streaming side is quiet (or under Wait).
  std::vector<Guid> proposed;
  std::vector<IMemAllocator*> notified;
  AM_MEDIA_TYPE connectedType;

  HRESULT Connect(IPin*, const AM_MEDIA_TYPE*) override { return E_UNEXPECTED; }
  HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) override {
    proposed.push_back(type->subtype);
    if (peer_) return VFW_E_ALREADY_CONNECTED;
    if (!accepts(*type)) return VFW_E_TYPE_NOT_ACCEPTED;
    peer_ = ComPtr<IPin>(connector);
    connectedType = *type;
    connectedType.pbFormat = nullptr, connectedType.cbFormat = 0;
    return S_OK;
  }
  HRESULT Disconnect() override { return peer_ ? (peer_.Reset(), S_OK) : S_FALSE; }
  HRESULT ConnectedTo(IPin** pin) override {
    *pin = ComPtr<IPin>(peer_).Detach();
    return *pin != nullptr ? S_OK : VFW_E_NOT_CONNECTED;
  }
  HRESULT ConnectionMediaType(AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
  HRESULT QueryPinInfo(PIN_INFO* info) override {
    info->pFilter = owner_;
    owner_->AddRef();
    info->dir = PINDIR_INPUT;
    return S_OK;
  }
  HRESULT QueryDirection(PIN_DIRECTION* direction) override {
    *direction = PINDIR_INPUT;
    return S_OK;
  }
  HRESULT QueryId(char16_t**) override { return E_NOTIMPL; }
  HRESULT QueryAccept(const AM_MEDIA_TYPE* type) override { return accepts(*type) ? S_OK : S_FALSE; }
  HRESULT EnumMediaTypes(IEnumMediaTypes** types) override;
  HRESULT EndOfStream() override {
    std::lock_guard lock(mutex_);
    ++endOfStreams_;
    changed_.notify_all();
    return S_OK;
  }
  HRESULT BeginFlush() override { return S_OK; }
  HRESULT EndFlush() override { return S_OK; }
  HRESULT NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { return S_OK; }

  HRESULT GetAllocator(IMemAllocator** allocator) override {
    *allocator = ComPtr<IMemAllocator>(ownAllocator).Detach();
    return *allocator != nullptr ? S_OK : VFW_E_NO_ALLOCATOR;
  }
  HRESULT NotifyAllocator(IMemAllocator* allocator, bool) override {
    notified.push_back(allocator);
    return onNotify(allocator);
  }
  HRESULT GetAllocatorRequirements(ALLOCATOR_PROPERTIES* properties) override {
    if (!hasRequirements) return E_NOTIMPL;
    *properties = requirements;
    return S_OK;
  }
  HRESULT Receive(IMediaSample* sample) override {
    Sample got;
    sample->GetTime(&got.start, &got.end);
    got.sync = sample->IsSyncPoint() == S_OK;
    got.length = sample->GetActualDataLength();
    uint8_t* data = nullptr;
    sample->GetPointer(&data);
    got.bytes.assign(data, data + sample->GetSize());
    {
      std::lock_guard lock(mutex_);
      samples_.push_back(std::move(got));
      changed_.notify_all();
    }
    if (beforeAnswer) beforeAnswer();
    return receiveResult;
  }
  HRESULT ReceiveCanBlock() override { return S_OK; }

  // Waits up to timeoutMs for done() to hold over (samples, end-of-stream count).
  bool Wait(const std::function<bool(const std::vector<Sample>&, int)>& done, int timeoutMs = 5000) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return done(samples_, endOfStreams_); });
  }
  bool WaitForEndOfStream(int timeoutMs = 5000) {
    return Wait([](const auto&, int ends) { return ends > 0; }, timeoutMs);
  }
  std::vector<Sample> Samples() {
    std::lock_guard lock(mutex_);
    return samples_;
  }
  int EndOfStreams() {
    std::lock_guard lock(mutex_);
    return endOfStreams_;
  }

 private:
  IBaseFilter* owner_;
  ComPtr<IPin> peer_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Sample> samples_;
  int endOfStreams_ = 0;
};

// Hands out the pin's preferred types in order.
class FakeTypeList final : public ComObject<IEnumMediaTypes> {
 public:
  explicit FakeTypeList(std::vector<AM_MEDIA_TYPE> types) : types_(std::move(types)) {}
  HRESULT Next(uint32_t count, AM_MEDIA_TYPE** types, uint32_t* fetched) override {
    uint32_t given = 0;
    for (; given < count && next_ < types_.size(); ++given) types[given] = CreateMediaType(types_[next_++]);
    if (fetched != nullptr) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT Skip(uint32_t) override { return E_NOTIMPL; }
  HRESULT Reset() override { return (next_ = 0, S_OK); }
  HRESULT Clone(IEnumMediaTypes**) override { return E_NOTIMPL; }

 private:
  std::vector<AM_MEDIA_TYPE> types_;
  size_t next_ = 0;
};

inline HRESULT FakeInputPin::EnumMediaTypes(IEnumMediaTypes** types) {
  *types = MakeCom<FakeTypeList>(preferred).Detach();
  return S_OK;
}
