#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/media/IBaseFilter.h"
#include "platform/media/IFilterGraph.h"
#include "platform/media/IMediaControl.h"
#include "platform/media/IMediaEvent.h"
#include "platform/media/IMediaEventSink.h"
#include "platform/media/IPin.h"

// The graph manager: holds the filters by name, connects their pins (through a colour
// converter when two pins cannot agree), runs and stops them in stream order and queues the
// events they report. All calls but Notify and GetEvent belong to the application's thread.
class FilterGraph final : public ComObject<IGraphBuilder, IMediaControl, IMediaEventSink, IMediaEvent> {
 public:
  // Makes the filter Connect puts between two pins that do not connect directly.
  using ConverterMaker = std::function<HRESULT(IBaseFilter** converter)>;

  // Without a maker Connect tries the direct connection only. CreateFilterGraph gives the
  // graph the colour converter of CreateMediaObject.
  explicit FilterGraph(ConverterMaker converterMaker);
  ~FilterGraph() override;

  // Names are cut to 127 characters to fit FILTER_INFO; adding a filter twice is E_INVALIDARG.
  HRESULT AddFilter(IBaseFilter* filter, const char16_t* name) override;
  // Disconnects the filter's pins (stopping it first in a started graph) before it leaves.
  HRESULT RemoveFilter(IBaseFilter* filter) override;
  HRESULT FindFilterByName(const char16_t* name, IBaseFilter** filter) override;
  HRESULT ConnectDirect(IPin* output, IPin* input, const AM_MEDIA_TYPE* type) override;
  HRESULT Disconnect(IPin* pin) override;
  HRESULT Connect(IPin* output, IPin* input) override;

  HRESULT Run() override;
  HRESULT Pause() override;
  HRESULT Stop() override;
  HRESULT GetState(uint32_t timeoutMs, FILTER_STATE* state) override;

  HRESULT Notify(int32_t code, intptr_t param1, intptr_t param2) override;
  // A timeout of 0xFFFFFFFF waits without limit.
  HRESULT GetEvent(int32_t* code, intptr_t* param1, intptr_t* param2, uint32_t timeoutMs) override;

 protected:
  void* FindInterface(const InterfaceId& iid) override;

 private:
  struct Member {
    ComPtr<IBaseFilter> filter;
    std::u16string name;
  };
  struct Event {
    int32_t code;
    intptr_t param1;
    intptr_t param2;
  };

  std::u16string UniqueName(const char16_t* wanted) const;
  bool NameTaken(const std::u16string& name) const;
  Member* FindMember(IBaseFilter* filter);
  bool InGraph(IPin* pin);
  HRESULT ConnectThroughConverter(IPin* output, IPin* input);
  HRESULT ConnectVia(IBaseFilter* converter, IPin* output, IPin* input);
  std::vector<IBaseFilter*> DownstreamFirst();
  void VisitDownstream(IBaseFilter* filter, std::vector<IBaseFilter*>& visited, std::vector<IBaseFilter*>& order);
  HRESULT PauseAll();
  HRESULT RunAll();
  void Leave(Member& member);

  ConverterMaker converterMaker_;
  std::vector<Member> members_;
  FILTER_STATE state_ = State_Stopped;
  std::mutex eventMutex_;
  std::condition_variable eventArrived_;
  std::deque<Event> events_;
};

// A new, empty graph with one reference for the caller, connecting through CLSID_Colour.
HRESULT CreateFilterGraph(IGraphBuilder** graph);
