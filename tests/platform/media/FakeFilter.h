#pragma once

#include <string>
#include <vector>

#include "FakePin.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/media/IBaseFilter.h"

// A filter that records its state calls as "<label> <call>" in a log shared by a test's
// filters, and what the graph told it on joining.
class FakeFilter final : public ComObject<IBaseFilter> {
 public:
  FakeFilter(std::string label, std::vector<std::string>* log);

  // Pins are listed in the order they are added.
  FakePin* AddPin(PIN_DIRECTION direction, uint32_t format);
  FakePin* Pin(size_t index) const { return pins_[index].Get(); }

  HRESULT GetClassID(Guid* classId) override;
  HRESULT Stop() override {
    Record("Stop");
    return stopResult;
  }
  HRESULT Pause() override { return Record("Pause"); }
  HRESULT Run(REFERENCE_TIME) override { return Record("Run"); }
  HRESULT GetState(uint32_t timeoutMs, FILTER_STATE* state) override;
  HRESULT SetSyncSource(IReferenceClock*) override { return S_OK; }
  HRESULT GetSyncSource(IReferenceClock** clock) override;
  HRESULT EnumPins(IEnumPins** pins) override;
  HRESULT FindPin(const char16_t* id, IPin** pin) override;
  HRESULT QueryFilterInfo(FILTER_INFO* info) override;
  HRESULT JoinFilterGraph(IFilterGraph* graph, const char16_t* name) override;
  HRESULT QueryVendorInfo(char16_t** info) override;

  IFilterGraph* graph = nullptr;
  std::u16string joinedName;
  int joins = 0;
  HRESULT joinResult = S_OK;
  HRESULT stopResult = S_OK;

 private:
  HRESULT Record(const char* call);

  std::string label_;
  std::vector<std::string>* log_;
  std::vector<ComPtr<FakePin>> pins_;
};
