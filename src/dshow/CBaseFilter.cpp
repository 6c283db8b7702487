#include "dshow/CBaseFilter.h"

#include <new>

#include "dshow/CBasePin.h"
#include "dshow/CEnumPins.h"
#include "platform/media/InfoName.h"

CBaseFilter::CBaseFilter(const char16_t* name, IUnknown* outer, std::recursive_mutex* lock, const Guid& classId)
    : CUnknown(name, outer), lock_(lock), classId_(classId) {}

CBaseFilter::~CBaseFilter() = default;

HRESULT CBaseFilter::NonDelegatingQueryInterface(const InterfaceId& iid, void** object) {
  if (iid == IBaseFilter::kIid) return GetInterface(static_cast<IBaseFilter*>(this), object);
  return CUnknown::NonDelegatingQueryInterface(iid, object);
}

HRESULT CBaseFilter::GetClassID(Guid* classId) {
  if (classId == nullptr) return E_POINTER;
  *classId = classId_;
  return S_OK;
}

HRESULT CBaseFilter::Stop() {
  std::lock_guard lock(*lock_);
  HRESULT first = S_OK;
  if (state_ != State_Stopped) {
    // Every pin is told, even past a failure, so that none is left streaming.
    for (int i = 0; i < GetPinCount(); ++i) {
      CBasePin* pin = GetPin(i);
      const HRESULT hr = pin != nullptr && pin->IsConnected() ? pin->Inactive() : S_OK;
      if (FAILED(hr) && SUCCEEDED(first)) first = hr;
    }
  }
  state_ = State_Stopped;
  return first;
}

HRESULT CBaseFilter::Pause() {
  std::lock_guard lock(*lock_);
  if (state_ == State_Stopped) {
    const HRESULT hr = ActivatePins();
    if (FAILED(hr)) return hr;
  }
  state_ = State_Paused;
  return S_OK;
}

// On a failure the pins already started are stopped again, so the filter stays wholly stopped.
HRESULT CBaseFilter::ActivatePins() {
  for (int i = 0; i < GetPinCount(); ++i) {
    CBasePin* pin = GetPin(i);
    if (pin == nullptr || !pin->IsConnected()) continue;
    const HRESULT hr = pin->Active();
    if (FAILED(hr)) {
      DeactivatePins(i);
      return hr;
    }
  }
  return S_OK;
}

void CBaseFilter::DeactivatePins(int count) {
  for (int i = 0; i < count; ++i) {
    CBasePin* pin = GetPin(i);
    if (pin != nullptr && pin->IsConnected()) pin->Inactive();
  }
}

HRESULT CBaseFilter::Run(REFERENCE_TIME start) {
  std::lock_guard lock(*lock_);
  if (state_ == State_Stopped) {
    const HRESULT hr = Pause();
    if (FAILED(hr)) return hr;
  }
  start_ = start;
  state_ = State_Running;
  return S_OK;
}

HRESULT CBaseFilter::GetState(uint32_t, FILTER_STATE* state) {
  if (state == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  *state = state_;
  return S_OK;
}

HRESULT CBaseFilter::SetSyncSource(IReferenceClock* clock) {
  std::lock_guard lock(*lock_);
  clock_ = ComPtr<IReferenceClock>(clock);
  return S_OK;
}

HRESULT CBaseFilter::GetSyncSource(IReferenceClock** clock) {
  if (clock == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  *clock = ComPtr<IReferenceClock>(clock_).Detach();
  return S_OK;
}

HRESULT CBaseFilter::EnumPins(IEnumPins** pins) {
  if (pins == nullptr) return E_POINTER;
  auto* walker = new (std::nothrow) CEnumPins(this, nullptr);
  *pins = walker;
  if (walker == nullptr) return E_OUTOFMEMORY;
  walker->AddRef();
  return S_OK;
}

HRESULT CBaseFilter::FindPin(const char16_t* id, IPin** pin) {
  if (id == nullptr || pin == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  *pin = nullptr;
  for (int i = 0; i < GetPinCount(); ++i) {
    CBasePin* candidate = GetPin(i);
    if (candidate == nullptr || candidate->Name() != id) continue;
    *pin = candidate;
    candidate->AddRef();
    return S_OK;
  }
  return VFW_E_NOT_FOUND;
}

HRESULT CBaseFilter::QueryFilterInfo(FILTER_INFO* info) {
  if (info == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  CopyInfoName(name_, info->achName);
  info->pGraph = graph_;
  if (graph_ != nullptr) graph_->AddRef();
  return S_OK;
}

HRESULT CBaseFilter::JoinFilterGraph(IFilterGraph* graph, const char16_t* name) {
  std::lock_guard lock(*lock_);
  graph_ = graph;
  name_ = graph != nullptr && name != nullptr ? name : u"";
  sink_ = nullptr;
  ComPtr<IMediaEventSink> sink;
  if (graph != nullptr &&
      SUCCEEDED(graph->QueryInterface(IMediaEventSink::kIid, reinterpret_cast<void**>(sink.Receive())))) {
    sink_ = sink.Get();  // kept without a reference, like the graph: it outlives the filter's membership
  }
  return S_OK;
}

HRESULT CBaseFilter::QueryVendorInfo(char16_t** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT CBaseFilter::NotifyEvent(int32_t code, intptr_t param1, intptr_t param2) {
  IMediaEventSink* sink = sink_;
  return sink != nullptr ? sink->Notify(code, param1, param2) : E_NOTIMPL;
}
