#include "platform/media/FilterGraph.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "platform/media/FilterPins.h"
#include "platform/media/InfoName.h"

namespace {

constexpr uint32_t kInfinite = 0xFFFFFFFFu;

// Cuts a connection on both sides, as pins expect.
void CutConnection(IPin* pin) {
  if (ComPtr<IPin> peer = PeerOf(pin)) peer->Disconnect();
  pin->Disconnect();
}

// Calls every filter even past a failure, so that none is left behind in the old state; the
// first failure is the result.
template <class Call>
HRESULT CallEach(const std::vector<IBaseFilter*>& filters, Call call) {
  HRESULT first = S_OK;
  for (IBaseFilter* filter : filters) {
    const HRESULT hr = call(filter);
    if (FAILED(hr) && SUCCEEDED(first)) first = hr;
  }
  return first;
}

// A failure that says more than "did not work" is worth passing on as it is.
bool SaysWhy(HRESULT hr) { return FAILED(hr) && hr != E_FAIL; }

}  // namespace

FilterGraph::FilterGraph(ConverterMaker converterMaker) : converterMaker_(std::move(converterMaker)) {}

FilterGraph::~FilterGraph() {
  if (state_ != State_Stopped) Stop();
  // Leaving disconnects the pins too, so no filter is kept alive by a peer's reference.
  while (!members_.empty()) RemoveFilter(members_.back().filter.Get());
}

void* FilterGraph::FindInterface(const InterfaceId& iid) {
  // IGraphBuilder extends IFilterGraph, which the base cannot know.
  if (iid == IFilterGraph::kIid) return static_cast<IFilterGraph*>(this);
  return ComObject::FindInterface(iid);
}

HRESULT FilterGraph::AddFilter(IBaseFilter* filter, const char16_t* name) {
  if (filter == nullptr) return E_POINTER;
  if (FindMember(filter) != nullptr) return E_INVALIDARG;
  std::u16string given = name != nullptr ? std::u16string(name).substr(0, kMaxInfoNameLength) : std::u16string();
  if (given.empty()) given = UniqueName(u"Filter");
  if (NameTaken(given)) return VFW_E_DUPLICATE_NAME;
  const HRESULT hr = filter->JoinFilterGraph(this, given.c_str());
  if (FAILED(hr)) return hr;
  members_.push_back({ComPtr<IBaseFilter>(filter), std::move(given)});
  return S_OK;
}

HRESULT FilterGraph::RemoveFilter(IBaseFilter* filter) {
  auto found = std::find_if(members_.begin(), members_.end(), [filter](const Member& m) { return m.filter.Get() == filter; });
  if (filter == nullptr || found == members_.end()) return VFW_E_NOT_FOUND;
  Member leaving = std::move(*found);
  members_.erase(found);
  Leave(leaving);
  return S_OK;
}

void FilterGraph::Leave(Member& member) {
  // A filter never leaves a running graph still running on its own.
  if (state_ != State_Stopped) member.filter->Stop();
  for (auto& pin : PinsOf(member.filter.Get())) {
    if (PeerOf(pin.Get())) CutConnection(pin.Get());
  }
  member.filter->JoinFilterGraph(nullptr, nullptr);
}

HRESULT FilterGraph::FindFilterByName(const char16_t* name, IBaseFilter** filter) {
  if (name == nullptr || filter == nullptr) return E_POINTER;
  *filter = nullptr;
  for (const auto& member : members_) {
    if (member.name != name) continue;
    *filter = ComPtr<IBaseFilter>(member.filter).Detach();
    return S_OK;
  }
  return VFW_E_NOT_FOUND;
}

HRESULT FilterGraph::ConnectDirect(IPin* output, IPin* input, const AM_MEDIA_TYPE* type) {
  if (output == nullptr || input == nullptr) return E_POINTER;
  if (!InGraph(output) || !InGraph(input)) return VFW_E_NOT_IN_GRAPH;
  if (!HasDirection(output, PINDIR_OUTPUT) || !HasDirection(input, PINDIR_INPUT)) return VFW_E_INVALID_DIRECTION;
  return output->Connect(input, type);
}

HRESULT FilterGraph::Disconnect(IPin* pin) {
  if (pin == nullptr) return E_POINTER;
  return pin->Disconnect();
}

HRESULT FilterGraph::Connect(IPin* output, IPin* input) {
  const HRESULT direct = ConnectDirect(output, input, nullptr);
  if (SUCCEEDED(direct)) return direct;
  // Wrong pins or pins already taken: no converter can help with that.
  if (direct == E_POINTER || direct == VFW_E_NOT_IN_GRAPH || direct == VFW_E_INVALID_DIRECTION ||
      direct == VFW_E_ALREADY_CONNECTED) {
    return direct;
  }
  const HRESULT converted = ConnectThroughConverter(output, input);
  if (SUCCEEDED(converted)) return converted;
  if (SaysWhy(direct)) return direct;
  return SaysWhy(converted) ? converted : VFW_E_CANNOT_CONNECT;
}

HRESULT FilterGraph::ConnectThroughConverter(IPin* output, IPin* input) {
  if (!converterMaker_) return VFW_E_CANNOT_CONNECT;
  ComPtr<IBaseFilter> converter;
  HRESULT hr = converterMaker_(converter.Receive());
  if (FAILED(hr)) return hr;
  if (!converter) return E_POINTER;
  hr = AddFilter(converter.Get(), UniqueName(u"Colour Space Converter").c_str());
  if (FAILED(hr)) return hr;
  hr = ConnectVia(converter.Get(), output, input);
  if (FAILED(hr)) RemoveFilter(converter.Get());
  return hr;
}

HRESULT FilterGraph::ConnectVia(IBaseFilter* converter, IPin* output, IPin* input) {
  ComPtr<IPin> in = FirstFreePin(converter, PINDIR_INPUT);
  ComPtr<IPin> out = FirstFreePin(converter, PINDIR_OUTPUT);
  if (!in || !out) return VFW_E_CANNOT_CONNECT;
  const HRESULT hr = ConnectDirect(output, in.Get(), nullptr);
  if (FAILED(hr)) return hr;
  return ConnectDirect(out.Get(), input, nullptr);
}

HRESULT FilterGraph::Run() {
  if (state_ == State_Running) return S_OK;
  HRESULT hr = state_ == State_Stopped ? PauseAll() : S_OK;
  const HRESULT ran = RunAll();
  if (SUCCEEDED(hr)) hr = ran;
  return hr;
}

HRESULT FilterGraph::Pause() {
  if (state_ == State_Paused) return S_OK;
  return PauseAll();
}

HRESULT FilterGraph::Stop() {
  std::vector<IBaseFilter*> order = DownstreamFirst();
  std::reverse(order.begin(), order.end());
  const HRESULT hr = CallEach(order, [](IBaseFilter* filter) { return filter->Stop(); });
  state_ = State_Stopped;
  return hr;
}

// The state is recorded even on failure, so that Stop reaches every filter afterwards.
HRESULT FilterGraph::PauseAll() {
  const HRESULT hr = CallEach(DownstreamFirst(), [](IBaseFilter* filter) { return filter->Pause(); });
  state_ = State_Paused;
  return hr;
}

HRESULT FilterGraph::RunAll() {
  const HRESULT hr = CallEach(DownstreamFirst(), [](IBaseFilter* filter) { return filter->Run(0); });
  state_ = State_Running;
  return hr;
}

HRESULT FilterGraph::GetState(uint32_t, FILTER_STATE* state) {
  if (state == nullptr) return E_POINTER;
  *state = state_;
  return S_OK;
}

HRESULT FilterGraph::Notify(int32_t code, intptr_t param1, intptr_t param2) {
  {
    std::lock_guard lock(eventMutex_);
    events_.push_back({code, param1, param2});
  }
  eventArrived_.notify_one();
  return S_OK;
}

HRESULT FilterGraph::GetEvent(int32_t* code, intptr_t* param1, intptr_t* param2, uint32_t timeoutMs) {
  if (code == nullptr || param1 == nullptr || param2 == nullptr) return E_POINTER;
  std::unique_lock lock(eventMutex_);
  const auto ready = [this] { return !events_.empty(); };
  if (timeoutMs == kInfinite) {
    eventArrived_.wait(lock, ready);
  } else if (!eventArrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready)) {
    return E_ABORT;
  }
  const Event event = events_.front();
  events_.pop_front();
  *code = event.code;
  *param1 = event.param1;
  *param2 = event.param2;
  return S_OK;
}

std::u16string FilterGraph::UniqueName(const char16_t* wanted) const {
  std::u16string name = wanted;
  for (int number = 1; NameTaken(name); ++number) {
    const std::string digits = std::to_string(number);
    name = std::u16string(wanted) + u" " + std::u16string(digits.begin(), digits.end());
  }
  return name;
}

bool FilterGraph::NameTaken(const std::u16string& name) const {
  return std::any_of(members_.begin(), members_.end(), [&name](const Member& m) { return m.name == name; });
}

FilterGraph::Member* FilterGraph::FindMember(IBaseFilter* filter) {
  for (auto& member : members_) {
    if (member.filter.Get() == filter) return &member;
  }
  return nullptr;
}

bool FilterGraph::InGraph(IPin* pin) {
  ComPtr<IBaseFilter> owner = FilterOf(pin);
  return owner && FindMember(owner.Get()) != nullptr;
}

// Post-order over the connections leading out of each filter: every filter comes after all
// the filters its output reaches. The visited list also ends a loop in a miswired graph.
std::vector<IBaseFilter*> FilterGraph::DownstreamFirst() {
  std::vector<IBaseFilter*> visited;
  std::vector<IBaseFilter*> order;
  for (const auto& member : members_) VisitDownstream(member.filter.Get(), visited, order);
  return order;
}

void FilterGraph::VisitDownstream(IBaseFilter* filter, std::vector<IBaseFilter*>& visited,
                                  std::vector<IBaseFilter*>& order) {
  if (std::find(visited.begin(), visited.end(), filter) != visited.end()) return;
  visited.push_back(filter);
  for (auto& pin : PinsOf(filter)) {
    if (!HasDirection(pin.Get(), PINDIR_OUTPUT)) continue;
    ComPtr<IPin> peer = PeerOf(pin.Get());
    ComPtr<IBaseFilter> next = peer ? FilterOf(peer.Get()) : nullptr;
    if (next && FindMember(next.Get()) != nullptr) VisitDownstream(next.Get(), visited, order);
  }
  order.push_back(filter);
}
