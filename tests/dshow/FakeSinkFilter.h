#pragma once

#include "FakeInputPin.h"
#include "platform/media/IEnumPins.h"

// A filter with one FakeInputPin, enough for the graph to add, connect, run and stop it.
class FakeSinkFilter final : public ComObject<IBaseFilter> {
 public:
  FakeSinkFilter() : pin_(MakeCom<FakeInputPin>(this)) {}

  FakeInputPin* Pin() const { return pin_.Get(); }

  HRESULT GetClassID(Guid* classId) override { return (*classId = GUID_NULL, S_OK); }
  HRESULT Stop() override { return S_OK; }
  HRESULT Pause() override { return S_OK; }
  HRESULT Run(REFERENCE_TIME) override { return S_OK; }
  HRESULT GetState(uint32_t, FILTER_STATE* state) override { return (*state = State_Stopped, S_OK); }
  HRESULT SetSyncSource(IReferenceClock*) override { return S_OK; }
  HRESULT GetSyncSource(IReferenceClock** clock) override { return (*clock = nullptr, S_OK); }
  HRESULT EnumPins(IEnumPins** pins) override {
    *pins = MakeCom<OnePin>(pin_.Get()).Detach();
    return S_OK;
  }
  HRESULT FindPin(const char16_t*, IPin**) override { return E_NOTIMPL; }
  HRESULT QueryFilterInfo(FILTER_INFO*) override { return E_NOTIMPL; }
  HRESULT JoinFilterGraph(IFilterGraph*, const char16_t*) override { return S_OK; }
  HRESULT QueryVendorInfo(char16_t**) override { return E_NOTIMPL; }

 private:
  class OnePin final : public ComObject<IEnumPins> {
   public:
    explicit OnePin(IPin* pin) : pin_(pin) {}
    HRESULT Next(uint32_t count, IPin** pins, uint32_t* fetched) override {
      const uint32_t given = done_ || count == 0 ? 0 : 1;
      if (given == 1) pins[0] = ComPtr<IPin>(pin_).Detach();
      done_ = done_ || given == 1;
      if (fetched != nullptr) *fetched = given;
      return given == count ? S_OK : S_FALSE;
    }
    HRESULT Skip(uint32_t) override { return E_NOTIMPL; }
    HRESULT Reset() override { return (done_ = false, S_OK); }
    HRESULT Clone(IEnumPins**) override { return E_NOTIMPL; }

   private:
    ComPtr<IPin> pin_;
    bool done_ = false;
  };

  ComPtr<FakeInputPin> pin_;
};
