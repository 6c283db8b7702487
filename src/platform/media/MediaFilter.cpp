#include "platform/media/MediaFilter.h"

#include "platform/media/IFilterGraph.h"
#include "platform/media/IMediaEventSink.h"
#include "platform/media/InfoName.h"
#include "platform/media/InputPin.h"
#include "platform/media/OutputPin.h"
#include "platform/media/PinEnumerator.h"

HRESULT MediaFilter::Stop() {
  if (state_.exchange(State_Stopped) == State_Stopped) return S_OK;
  HRESULT hr;
  {
    // Waits for a sample or an end of stream still being handled.
    std::lock_guard lock(streamLock_);
    hr = OnStop();
  }
  DeactivatePins();
  return hr;
}

HRESULT MediaFilter::Pause() {
  if (state_ == State_Stopped) {
    const HRESULT hr = Start();
    if (FAILED(hr)) return hr;
  }
  state_ = State_Paused;
  return S_OK;
}

HRESULT MediaFilter::Run(REFERENCE_TIME) {
  if (state_ == State_Stopped) {
    const HRESULT hr = Start();
    if (FAILED(hr)) return hr;
  }
  state_ = State_Running;
  return S_OK;
}

HRESULT MediaFilter::Start() {
  abortReported_ = false;
  HRESULT hr = S_OK;
  for (FilterPin* pin : pins_) {
    hr = pin->Active();
    if (FAILED(hr)) break;
  }
  if (SUCCEEDED(hr)) hr = OnStart();
  if (FAILED(hr)) DeactivatePins();
  return hr;
}

void MediaFilter::DeactivatePins() {
  for (FilterPin* pin : pins_) pin->Inactive();
}

HRESULT MediaFilter::GetState(uint32_t, FILTER_STATE* state) {
  if (state == nullptr) return E_POINTER;
  *state = state_;
  return S_OK;
}

HRESULT MediaFilter::SetSyncSource(IReferenceClock* clock) {
  clock_ = ComPtr<IReferenceClock>(clock);
  return S_OK;
}

HRESULT MediaFilter::GetSyncSource(IReferenceClock** clock) {
  if (clock == nullptr) return E_POINTER;
  *clock = ComPtr<IReferenceClock>(clock_).Detach();
  return S_OK;
}

HRESULT MediaFilter::EnumPins(IEnumPins** pins) {
  if (pins == nullptr) return E_POINTER;
  auto list = std::make_shared<PinEnumerator::PinList>();
  for (FilterPin* pin : pins_) list->emplace_back(pin);
  *pins = MakeCom<PinEnumerator>(std::move(list)).Detach();
  return S_OK;
}

HRESULT MediaFilter::FindPin(const char16_t* id, IPin** pin) {
  if (id == nullptr || pin == nullptr) return E_POINTER;
  *pin = nullptr;
  for (FilterPin* candidate : pins_) {
    if (candidate->Name() != id) continue;
    *pin = ComPtr<IPin>(candidate).Detach();
    return S_OK;
  }
  return VFW_E_NOT_FOUND;
}

HRESULT MediaFilter::QueryFilterInfo(FILTER_INFO* info) {
  if (info == nullptr) return E_POINTER;
  CopyInfoName(name_, info->achName);
  info->pGraph = graph_;
  if (graph_ != nullptr) graph_->AddRef();
  return S_OK;
}

HRESULT MediaFilter::JoinFilterGraph(IFilterGraph* graph, const char16_t* name) {
  graph_ = graph;
  name_ = graph != nullptr && name != nullptr ? std::u16string(name).substr(0, kMaxInfoNameLength) : std::u16string();
  return S_OK;
}

HRESULT MediaFilter::QueryVendorInfo(char16_t** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  return E_NOTIMPL;
}

std::vector<OutputPin*> MediaFilter::OutputPins() const {
  std::vector<OutputPin*> outputs;
  for (FilterPin* pin : pins_) {
    // Every output pin of these filters is an OutputPin (FilterPin is not derived otherwise).
    if (pin->Direction() == PINDIR_OUTPUT) outputs.push_back(static_cast<OutputPin*>(pin));
  }
  return outputs;
}

void MediaFilter::NotifyEvent(int32_t code, intptr_t param1, intptr_t param2) {
  if (graph_ == nullptr) return;
  ComPtr<IMediaEventSink> sink;
  if (SUCCEEDED(ComPtr<IFilterGraph>(graph_).As(sink))) sink->Notify(code, param1, param2);
}

HRESULT MediaFilter::Abort(HRESULT failure) {
  if (!abortReported_.exchange(true)) NotifyEvent(EC_ERRORABORT, static_cast<intptr_t>(failure), 0);
  return failure;
}

void MediaFilter::GetMediaTypes(const FilterPin&, std::vector<MediaType>*) {}

HRESULT MediaFilter::CompleteConnect(FilterPin&) { return S_OK; }

void MediaFilter::BreakConnect(FilterPin&) {}

HRESULT MediaFilter::DecideBufferSize(const OutputPin&, ALLOCATOR_PROPERTIES*) { return E_NOTIMPL; }

HRESULT MediaFilter::Receive(InputPin&, IMediaSample*) { return E_UNEXPECTED; }

HRESULT MediaFilter::EndOfStream(InputPin&) {
  HRESULT result = S_OK;
  for (OutputPin* output : OutputPins()) {
    if (!output->IsConnected()) continue;
    const HRESULT hr = output->DeliverEndOfStream();
    if (FAILED(hr) && SUCCEEDED(result)) result = hr;
  }
  return result;
}

HRESULT MediaFilter::OnStart() { return S_OK; }

HRESULT MediaFilter::OnStop() { return S_OK; }
