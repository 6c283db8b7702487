#include "dshow/CBasePin.h"

#include <memory>
#include <new>

#include "dshow/CBaseFilter.h"
#include "dshow/CEnumMediaTypes.h"
#include "platform/com/TaskMemory.h"
#include "platform/media/InfoName.h"

namespace {

// A type handed out by an enumerator, freed when it goes.
struct MediaTypeDeleter {
  void operator()(AM_MEDIA_TYPE* type) const { DeleteMediaType(type); }
};
using EnumeratedType = std::unique_ptr<AM_MEDIA_TYPE, MediaTypeDeleter>;

// A failure that says more than "this type will not do" is worth reporting over the generic
// "no acceptable types".
bool SaysMoreThanRefusal(HRESULT hr) { return FAILED(hr) && hr != E_FAIL && hr != VFW_E_TYPE_NOT_ACCEPTED; }

}  // namespace

CBasePin::CBasePin(const char16_t* objectName, CBaseFilter* filter, std::recursive_mutex* lock, const char16_t* pinName,
                   PIN_DIRECTION direction)
    : CUnknown(objectName, nullptr),
      filter_(filter),
      lock_(lock),
      name_(pinName != nullptr ? pinName : u""),
      direction_(direction) {}

CBasePin::~CBasePin() = default;

HRESULT CBasePin::NonDelegatingQueryInterface(const InterfaceId& iid, void** object) {
  if (iid == IPin::kIid) return GetInterface(static_cast<IPin*>(this), object);
  if (iid == IQualityControl::kIid) return GetInterface(static_cast<IQualityControl*>(this), object);
  return CUnknown::NonDelegatingQueryInterface(iid, object);
}

uint32_t CBasePin::NonDelegatingAddRef() { return filter_->AddRef(); }

uint32_t CBasePin::NonDelegatingRelease() { return filter_->Release(); }

bool CBasePin::IsStopped() const { return filter_->IsStopped(); }

HRESULT CBasePin::Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) {
  if (receivePin == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  if (connected_) return VFW_E_ALREADY_CONNECTED;
  if (!IsStopped()) return VFW_E_NOT_STOPPED;
  return AgreeMediaType(receivePin, type);
}

HRESULT CBasePin::AgreeMediaType(IPin* receivePin, const AM_MEDIA_TYPE* type) {
  if (type != nullptr && !CMediaType::IsPartiallySpecified(*type)) return AttemptConnection(receivePin, *type);
  HRESULT failure = VFW_E_NO_ACCEPTABLE_TYPES;
  ComPtr<IEnumMediaTypes> theirs;
  if (SUCCEEDED(receivePin->EnumMediaTypes(theirs.Receive())) && theirs) {
    const HRESULT hr = TryMediaTypes(receivePin, type, theirs.Get());
    if (SUCCEEDED(hr)) return hr;
    if (SaysMoreThanRefusal(hr)) failure = hr;
  }
  ComPtr<IEnumMediaTypes> mine;
  if (SUCCEEDED(EnumMediaTypes(mine.Receive()))) {
    const HRESULT hr = TryMediaTypes(receivePin, type, mine.Get());
    if (SUCCEEDED(hr)) return hr;
    if (SaysMoreThanRefusal(hr)) failure = hr;
  }
  return failure;
}

HRESULT CBasePin::TryMediaTypes(IPin* receivePin, const AM_MEDIA_TYPE* partial, IEnumMediaTypes* types) {
  HRESULT failure = VFW_E_NO_ACCEPTABLE_TYPES;
  types->Reset();
  for (;;) {
    AM_MEDIA_TYPE* next = nullptr;
    uint32_t fetched = 0;
    if (types->Next(1, &next, &fetched) != S_OK || fetched != 1 || next == nullptr) return failure;
    EnumeratedType candidate(next);
    if (partial != nullptr && !CMediaType::MatchesPartial(*partial, *candidate)) continue;
    const HRESULT hr = AttemptConnection(receivePin, *candidate);
    if (SUCCEEDED(hr)) return hr;
    if (SaysMoreThanRefusal(hr)) failure = hr;
  }
}

// Every step that fails undoes what the earlier ones set up, on both sides.
HRESULT CBasePin::AttemptConnection(IPin* receivePin, const AM_MEDIA_TYPE& type) {
  HRESULT hr = CheckConnect(receivePin);
  if (FAILED(hr)) {
    BreakConnect();
    return hr;
  }
  const CMediaType proposed(type);
  hr = CheckMediaType(&proposed);
  if (hr != S_OK) {
    BreakConnect();
    return FAILED(hr) ? hr : VFW_E_TYPE_NOT_ACCEPTED;
  }
  connected_ = ComPtr<IPin>(receivePin);
  hr = SetMediaType(&proposed);
  if (SUCCEEDED(hr)) hr = receivePin->ReceiveConnection(this, &proposed);
  if (SUCCEEDED(hr)) {
    hr = CompleteConnect(receivePin);
    if (SUCCEEDED(hr)) return S_OK;
    receivePin->Disconnect();
  }
  ClearConnection();
  BreakConnect();
  return hr;
}

HRESULT CBasePin::ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) {
  if (connector == nullptr || type == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  if (connected_) return VFW_E_ALREADY_CONNECTED;
  if (!IsStopped()) return VFW_E_NOT_STOPPED;
  HRESULT hr = CheckConnect(connector);
  const CMediaType proposed(*type);
  if (SUCCEEDED(hr)) hr = CheckMediaType(&proposed) == S_OK ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
  if (SUCCEEDED(hr)) {
    connected_ = ComPtr<IPin>(connector);
    hr = SetMediaType(&proposed);
    if (SUCCEEDED(hr)) hr = CompleteConnect(connector);
    if (SUCCEEDED(hr)) return S_OK;
    ClearConnection();
  }
  BreakConnect();
  return hr;
}

HRESULT CBasePin::Disconnect() {
  std::lock_guard lock(*lock_);
  if (!IsStopped()) return VFW_E_NOT_STOPPED;
  if (!connected_) return S_FALSE;
  BreakConnect();
  ClearConnection();
  return S_OK;
}

void CBasePin::ClearConnection() {
  connected_.Reset();
  mediaType_ = CMediaType();
}

HRESULT CBasePin::ConnectedTo(IPin** pin) {
  if (pin == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  *pin = ComPtr<IPin>(connected_).Detach();
  return *pin != nullptr ? S_OK : VFW_E_NOT_CONNECTED;
}

HRESULT CBasePin::ConnectionMediaType(AM_MEDIA_TYPE* type) {
  if (type == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  *type = AM_MEDIA_TYPE();
  if (!connected_) return VFW_E_NOT_CONNECTED;
  return CopyMediaType(*type, mediaType_);
}

HRESULT CBasePin::QueryPinInfo(PIN_INFO* info) {
  if (info == nullptr) return E_POINTER;
  info->pFilter = filter_;
  filter_->AddRef();
  info->dir = direction_;
  CopyInfoName(name_, info->achName);
  return S_OK;
}

HRESULT CBasePin::QueryDirection(PIN_DIRECTION* direction) {
  if (direction == nullptr) return E_POINTER;
  *direction = direction_;
  return S_OK;
}

HRESULT CBasePin::QueryId(char16_t** id) {
  if (id == nullptr) return E_POINTER;
  *id = TaskMemCopyString(name_);
  return *id != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT CBasePin::QueryAccept(const AM_MEDIA_TYPE* type) {
  if (type == nullptr) return E_POINTER;
  const CMediaType proposed(*type);
  return CheckMediaType(&proposed) == S_OK ? S_OK : S_FALSE;
}

HRESULT CBasePin::EnumMediaTypes(IEnumMediaTypes** types) {
  if (types == nullptr) return E_POINTER;
  auto* walker = new (std::nothrow) CEnumMediaTypes(this, nullptr);
  *types = walker;
  if (walker == nullptr) return E_OUTOFMEMORY;
  walker->AddRef();
  return S_OK;
}

// Segments matter to pins that schedule samples by time; none of ours does.
HRESULT CBasePin::NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) { return S_OK; }

HRESULT CBasePin::SetSink(IQualityControl* sink) {
  std::lock_guard lock(*lock_);
  qualitySink_ = sink;
  return S_OK;
}

HRESULT CBasePin::GetMediaType(int, CMediaType*) { return E_UNEXPECTED; }

HRESULT CBasePin::SetMediaType(const CMediaType* type) {
  if (type == nullptr) return E_POINTER;
  return mediaType_.Set(*type);
}

HRESULT CBasePin::CheckConnect(IPin* peer) {
  PIN_DIRECTION theirs = PINDIR_INPUT;
  const HRESULT hr = peer->QueryDirection(&theirs);
  if (FAILED(hr)) return hr;
  return theirs == direction_ ? VFW_E_INVALID_DIRECTION : S_OK;
}

HRESULT CBasePin::BreakConnect() { return S_OK; }

HRESULT CBasePin::CompleteConnect(IPin*) { return S_OK; }

HRESULT CBasePin::Active() { return S_OK; }

HRESULT CBasePin::Inactive() { return S_OK; }
