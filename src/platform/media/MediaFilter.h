#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/media/AllocatorProperties.h"
#include "platform/media/IBaseFilter.h"
#include "platform/media/IMediaSample.h"
#include "platform/media/MediaType.h"

class FilterPin;
class InputPin;
class OutputPin;

// What the media host's own filters (File Writer, AVI Mux, colour converter, compressors) have
// in common: state, pins, membership of a graph and event reporting. A concrete filter derives as
// ComObject<MediaFilter, ExtraInterfaces...> (the count and QueryInterface live there), holds
// its pins as members, registers them with AddPin in its constructor and fills in the hooks.
//
// Threads: the IBaseFilter calls and every connection call come from the graph's (application)
// thread. Receive and EndOfStream come from the upstream filter's streaming thread; they and
// OnStop run under the filter's stream lock, so OnStop never runs beside them, and a sample that
// arrives after Stop is refused.
class MediaFilter : public IBaseFilter {
 public:
  MediaFilter(const MediaFilter&) = delete;
  MediaFilter& operator=(const MediaFilter&) = delete;

  // IBaseFilter. GetClassID is the concrete filter's.
  HRESULT Stop() override;
  HRESULT Pause() override;
  HRESULT Run(REFERENCE_TIME start) override;
  HRESULT GetState(uint32_t timeoutMs, FILTER_STATE* state) override;
  HRESULT SetSyncSource(IReferenceClock* clock) override;
  HRESULT GetSyncSource(IReferenceClock** clock) override;
  HRESULT EnumPins(IEnumPins** pins) override;
  HRESULT FindPin(const char16_t* id, IPin** pin) override;
  HRESULT QueryFilterInfo(FILTER_INFO* info) override;
  HRESULT JoinFilterGraph(IFilterGraph* graph, const char16_t* name) override;
  HRESULT QueryVendorInfo(char16_t** info) override;

  // Any thread.
  FILTER_STATE State() const { return state_.load(); }
  // The output pins among the filter's pins, in their order.
  std::vector<OutputPin*> OutputPins() const;
  // Serialises the streaming calls with Stop; the pins take it.
  std::mutex& StreamLock() { return streamLock_; }
  // Reports an event to the graph that holds the filter (nothing outside a graph).
  void NotifyEvent(int32_t code, intptr_t param1, intptr_t param2);
  // Reports EC_ERRORABORT with failure, the first time in a run only, and returns failure: a
  // streaming error stops the stream, and the graph's owner learns why once.
  HRESULT Abort(HRESULT failure);

  // Hooks the pins call; pin is always one of this filter's own.
  // S_OK when pin may connect with type (a complete type); any other result refuses it.
  virtual HRESULT CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) = 0;
  // The types pin proposes, best first: what an output pin offers, what an input pin prefers.
  virtual void GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types);
  // pin has just connected with its connection type; a failure undoes the connection.
  virtual HRESULT CompleteConnect(FilterPin& pin);
  // pin is about to disconnect.
  virtual void BreakConnect(FilterPin& pin);
  // Fills in cBuffers and cbBuffer (and may raise cbAlign) of the allocator an output pin
  // asks for; properties holds the downstream pin's wishes.
  virtual HRESULT DecideBufferSize(const OutputPin& pin, ALLOCATOR_PROPERTIES* properties);
  // One sample arrived at pin (streaming thread, stream lock held, filter running or paused).
  virtual HRESULT Receive(InputPin& pin, IMediaSample* sample);
  // pin's stream ended (streaming thread, stream lock held). The default passes the end on
  // through every connected output pin.
  virtual HRESULT EndOfStream(InputPin& pin);

 protected:
  MediaFilter() = default;
  ~MediaFilter() override = default;

  // Registers a pin, in the order EnumPins lists them. Constructor only; pin must live as long
  // as the filter (a member).
  void AddPin(FilterPin* pin) { pins_.push_back(pin); }
  // Leaving the stopped state, after the pins became active: open files, write headers. A
  // failure leaves the filter stopped.
  virtual HRESULT OnStart();
  // Entering the stopped state, after streaming calls have finished and before the output pins'
  // allocators are released: finish and close.
  virtual HRESULT OnStop();

 private:
  HRESULT Start();
  void DeactivatePins();

  std::vector<FilterPin*> pins_;
  std::atomic<FILTER_STATE> state_{State_Stopped};
  std::atomic<bool> abortReported_{false};
  std::mutex streamLock_;
  IFilterGraph* graph_ = nullptr;  // not held: the graph holds the filter
  std::u16string name_;
  ComPtr<IReferenceClock> clock_;
};
