#pragma once

#include "platform/com/Guid.h"
#include "platform/com/IUnknown.h"
#include "platform/media/FilterState.h"
#include "platform/media/IEnumPins.h"
#include "platform/media/IReferenceClock.h"
#include "platform/media/ReferenceTime.h"

class IFilterGraph;
class IPin;

struct FILTER_INFO {
  char16_t achName[128] = {};
  IFilterGraph* pGraph = nullptr;  // with a reference the caller releases; null outside a graph
};

// A filter of the media graph: its state, its pins and its place in the graph. The state calls
// come from the graph manager on the application's thread.
class IBaseFilter : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A86895, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  // IPersist
  virtual HRESULT GetClassID(Guid* classId) = 0;
  // IMediaFilter
  virtual HRESULT Stop() = 0;
  virtual HRESULT Pause() = 0;
  virtual HRESULT Run(REFERENCE_TIME start) = 0;
  virtual HRESULT GetState(uint32_t timeoutMs, FILTER_STATE* state) = 0;
  virtual HRESULT SetSyncSource(IReferenceClock* clock) = 0;
  virtual HRESULT GetSyncSource(IReferenceClock** clock) = 0;
  // IBaseFilter
  virtual HRESULT EnumPins(IEnumPins** pins) = 0;
  virtual HRESULT FindPin(const char16_t* id, IPin** pin) = 0;
  virtual HRESULT QueryFilterInfo(FILTER_INFO* info) = 0;
  // The graph calls this on AddFilter (graph and name) and RemoveFilter (both null). The
  // filter keeps the graph without a reference, as the graph holds the filter.
  virtual HRESULT JoinFilterGraph(IFilterGraph* graph, const char16_t* name) = 0;
  virtual HRESULT QueryVendorInfo(char16_t** info) = 0;
};
