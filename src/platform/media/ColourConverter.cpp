#include "platform/media/ColourConverter.h"

#include <algorithm>
#include <cstring>

#include "platform/media/MediaGuids.h"

ColourConverter::ColourConverter() : input_(*this, u"Input"), output_(*this, u"XForm Out") {
  AddPin(&input_);
  AddPin(&output_);
}

HRESULT ColourConverter::GetClassID(Guid* classId) {
  if (classId == nullptr) return E_POINTER;
  *classId = CLSID_Colour;
  return S_OK;
}

HRESULT ColourConverter::CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) {
  if (&pin == &output_) return CheckOutputType(type);
  RawVideoFormat format;
  if (!RawVideoFormat::FromMediaType(type, &format) || !PixelConverter::CanRead(format.pixelFormat)) {
    return VFW_E_TYPE_NOT_ACCEPTED;
  }
  return S_OK;
}

HRESULT ColourConverter::CheckOutputType(const AM_MEDIA_TYPE& type) const {
  if (!input_.IsConnected()) return VFW_E_NOT_CONNECTED;
  RawVideoFormat format;
  if (!RawVideoFormat::FromMediaType(type, &format) || !PixelConverter::CanMake(format.pixelFormat)) {
    return VFW_E_TYPE_NOT_ACCEPTED;
  }
  const bool sameFrames =
      format.width == from_.width && format.height == from_.height && format.frameTime == from_.frameTime;
  return sameFrames ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

void ColourConverter::GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types) {
  if (&pin != &output_ || !input_.IsConnected()) return;
  for (AVPixelFormat target : PixelConverter::TargetsFor(from_.pixelFormat)) {
    types->push_back(RawVideoFormat{target, from_.width, from_.height, from_.frameTime}.ToMediaType());
  }
}

HRESULT ColourConverter::CompleteConnect(FilterPin& pin) {
  if (&pin == &input_) {
    return RawVideoFormat::FromMediaType(pin.ConnectionType(), &from_) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
  }
  if (!RawVideoFormat::FromMediaType(pin.ConnectionType(), &to_)) return VFW_E_TYPE_NOT_ACCEPTED;
  lastFrom_.clear();
  lastTo_.clear();
  return converter_.Prepare(from_, to_) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT ColourConverter::DecideBufferSize(const OutputPin& pin, ALLOCATOR_PROPERTIES* properties) {
  RawVideoFormat format;
  if (!RawVideoFormat::FromMediaType(pin.ConnectionType(), &format)) return VFW_E_TYPE_NOT_ACCEPTED;
  properties->cBuffers = std::max(properties->cBuffers, 1);
  properties->cbBuffer = std::max<int32_t>(properties->cbBuffer, static_cast<int32_t>(format.ImageSize()));
  return S_OK;
}

void ColourConverter::Convert(const uint8_t* from, uint8_t* to) {
  const auto fromSize = static_cast<size_t>(from_.ImageSize());
  const auto toSize = static_cast<size_t>(to_.ImageSize());
  if (lastFrom_.size() == fromSize && lastTo_.size() == toSize && std::memcmp(from, lastFrom_.data(), fromSize) == 0) {
    std::memcpy(to, lastTo_.data(), toSize);
    return;
  }
  converter_.Convert(from, to);
  lastFrom_.assign(from, from + fromSize);
  lastTo_.assign(to, to + toSize);
}

HRESULT ColourConverter::Receive(InputPin&, IMediaSample* sample) {
  if (!converter_.IsPrepared()) return VFW_E_NOT_CONNECTED;
  uint8_t* from = nullptr;
  if (FAILED(sample->GetPointer(&from)) || sample->GetActualDataLength() < from_.ImageSize()) {
    return Abort(E_INVALIDARG);
  }
  ComPtr<IMediaSample> converted;
  HRESULT hr = output_.GetDeliveryBuffer(converted.Receive());
  uint8_t* to = nullptr;
  if (SUCCEEDED(hr)) hr = converted->GetPointer(&to);
  if (FAILED(hr)) return Abort(hr);
  Convert(from, to);
  converted->SetActualDataLength(static_cast<int32_t>(to_.ImageSize()));
  REFERENCE_TIME start = 0;
  REFERENCE_TIME end = 0;
  const HRESULT timed = sample->GetTime(&start, &end);
  if (timed == S_OK) converted->SetTime(&start, &end);
  if (timed == VFW_S_NO_STOP_TIME) converted->SetTime(&start, nullptr);
  converted->SetSyncPoint(sample->IsSyncPoint() == S_OK);
  converted->SetDiscontinuity(sample->IsDiscontinuity() == S_OK);
  return output_.Deliver(converted.Get());
}
