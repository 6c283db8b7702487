#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "dshow/CUnknown.h"
#include "platform/com/ComPtr.h"
#include "platform/media/IBaseFilter.h"
#include "platform/media/IFilterGraph.h"
#include "platform/media/IMediaEventSink.h"

class CBasePin;

// A filter: its state (stopped, paused, running), its reference clock, the graph that holds it
// with the name it was given there, and its class id. Derived classes supply the pins.
//
// The graph's calls (state changes, joining, pin questions) come from the application's thread
// and take the filter lock. Stop and Pause make the connected pins inactive and active.
// The filter keeps its graph without a reference (the graph holds the filter) and reports
// events to the graph's IMediaEventSink, which any thread may do through NotifyEvent.
class CBaseFilter : public CUnknown, public IBaseFilter {
 public:
  // lock: the filter lock, not owned, must outlive the filter (usually a member of the derived
  // class). classId: what GetClassID answers.
  CBaseFilter(const char16_t* name, IUnknown* outer, std::recursive_mutex* lock, const Guid& classId);
  ~CBaseFilter() override;

  DECLARE_IUNKNOWN
  HRESULT NonDelegatingQueryInterface(const InterfaceId& iid, void** object) override;

  HRESULT GetClassID(Guid* classId) override;
  HRESULT Stop() override;
  HRESULT Pause() override;
  HRESULT Run(REFERENCE_TIME start) override;
  HRESULT GetState(uint32_t timeoutMs, FILTER_STATE* state) override;
  HRESULT SetSyncSource(IReferenceClock* clock) override;
  HRESULT GetSyncSource(IReferenceClock** clock) override;
  HRESULT EnumPins(IEnumPins** pins) override;
  // Finds a pin by its id, which is its name.
  HRESULT FindPin(const char16_t* id, IPin** pin) override;
  HRESULT QueryFilterInfo(FILTER_INFO* info) override;
  HRESULT JoinFilterGraph(IFilterGraph* graph, const char16_t* name) override;
  HRESULT QueryVendorInfo(char16_t** info) override;

  // The pins, by position from 0; null outside 0..GetPinCount()-1. Not referenced.
  virtual int GetPinCount() = 0;
  virtual CBasePin* GetPin(int position) = 0;
  // Changes whenever the set of pins changes, so that pin enumerators notice.
  int GetPinVersion() const { return pinVersion_.load(std::memory_order_relaxed); }
  void IncrementPinVersion() { pinVersion_.fetch_add(1, std::memory_order_relaxed); }

  // Reports an event to the graph; E_NOTIMPL outside a graph (or in one without an event sink).
  // Any thread.
  HRESULT NotifyEvent(int32_t code, intptr_t param1, intptr_t param2);

  std::recursive_mutex* FilterLock() const { return lock_; }
  bool IsStopped() const { return state_ == State_Stopped; }
  bool IsActive() const { return state_ != State_Stopped; }
  // The graph the filter belongs to, not referenced; null outside a graph.
  IFilterGraph* GetFilterGraph() const { return graph_; }
  const std::u16string& FilterName() const { return name_; }

 protected:
  std::recursive_mutex* lock_;
  FILTER_STATE state_ = State_Stopped;
  REFERENCE_TIME start_ = 0;

 private:
  HRESULT ActivatePins();
  void DeactivatePins(int count);

  Guid classId_;
  ComPtr<IReferenceClock> clock_;
  IFilterGraph* graph_ = nullptr;    // not held: the graph holds the filter
  IMediaEventSink* sink_ = nullptr;  // the graph's, likewise not held
  std::u16string name_;
  std::atomic<int> pinVersion_{1};
};
