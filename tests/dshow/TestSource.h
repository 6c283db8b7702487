#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include "dshow/CSource.h"
#include "dshow/CSourceStream.h"
#include "platform/media/MediaGuids.h"

// A source pin whose hooks are scripted by the test and whose calls are counted.
class TestStream final : public CSourceStream {
 public:
  TestStream(HRESULT* status, CSource* filter, const char16_t* name = u"Test")
      : CSourceStream(u"TestStream", status, filter, name) {
    type.SetType(MEDIATYPE_Video);
    type.SetSubtype(MEDIASUBTYPE_RGB24);
    type.SetFormatType(FORMAT_None);
  }

  // Script, set before the filter starts. fill gets the sample and its number from 0.
  std::function<HRESULT(IMediaSample*, int)> fill = [](IMediaSample* sample, int n) {
    REFERENCE_TIME start = n, end = n + 1;
    return sample->SetTime(&start, &end);
  };
  HRESULT createResult = S_OK;
  CMediaType type;
  std::vector<Guid> ownTypes;  // more preferred subtypes after type's (same major/format)
  HRESULT bufferResult = S_OK;

  // Records.
  std::atomic<int> created{0}, destroyed{0}, startedPlay{0}, filled{0};
  std::atomic<bool> createdOffThread{false};
  std::atomic<int> endings{0};
  StreamEnd endedHow = StreamEnd::EndOfStream;
  HRESULT endedWith = S_OK;
  ALLOCATOR_PROPERTIES sizeRequest;
  std::vector<Guid> checked;

  HRESULT FillBuffer(IMediaSample* sample) override { return fill(sample, filled++); }
  using CSourceStream::GetMediaType;
  HRESULT GetMediaType(int position, CMediaType* out) override {
    if (position == 0) return out->Set(type);
    if (position < 0 || position > static_cast<int>(ownTypes.size())) return VFW_S_NO_MORE_ITEMS;
    HRESULT hr = out->Set(type);
    out->SetSubtype(ownTypes[static_cast<size_t>(position - 1)]);
    return hr;
  }
  HRESULT CheckMediaType(const CMediaType* proposed) override {
    checked.push_back(proposed->subtype);
    if (proposed->subtype == type.subtype) return S_OK;
    for (const Guid& own : ownTypes) {
      if (own == proposed->subtype) return S_OK;
    }
    return S_FALSE;
  }
  HRESULT DecideBufferSize(IMemAllocator* allocator, ALLOCATOR_PROPERTIES* request) override {
    sizeRequest = *request;
    if (FAILED(bufferResult)) return bufferResult;
    ALLOCATOR_PROPERTIES wanted{1, 64, 1, 0}, actual;
    return allocator->SetProperties(&wanted, &actual);
  }
  HRESULT Notify(IBaseFilter*, Quality) override { return E_NOTIMPL; }

 protected:
  HRESULT OnThreadCreate() override {
    ++created;
    createdOffThread = std::this_thread::get_id() != creator_;
    return createResult;
  }
  HRESULT OnThreadDestroy() override { return (++destroyed, S_OK); }
  HRESULT OnThreadStartPlay() override { return (++startedPlay, S_OK); }
  void OnStreamEnded(StreamEnd how, HRESULT result) override {
    endedHow = how, endedWith = result;
    ++endings;
  }

 private:
  std::thread::id creator_ = std::this_thread::get_id();
};

// A source filter with one TestStream (more can be added).
class TestSource final : public CSource {
 public:
  TestSource() : CSource(u"TestSource", nullptr, kClassId) { stream = new TestStream(nullptr, this); }
  static constexpr Guid kClassId{0x1234, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
  TestStream* stream;
};
