#include "platform/media/PinEnumerator.h"

HRESULT PinEnumerator::Next(uint32_t count, IPin** pins, uint32_t* fetched) {
  if (pins == nullptr) return E_POINTER;
  // Without a count to report only one pin may be asked for at a time.
  if (fetched == nullptr && count != 1) return E_POINTER;
  uint32_t given = 0;
  for (; given < count && position_ < pins_->size(); ++given)
    pins[given] = ComPtr<IPin>((*pins_)[position_++]).Detach();
  if (fetched != nullptr) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}

HRESULT PinEnumerator::Skip(uint32_t count) {
  const size_t left = pins_->size() - position_;
  position_ += count < left ? count : left;
  return count <= left ? S_OK : S_FALSE;
}

HRESULT PinEnumerator::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT PinEnumerator::Clone(IEnumPins** copy) {
  if (copy == nullptr) return E_POINTER;
  *copy = MakeCom<PinEnumerator>(pins_, position_).Detach();
  return S_OK;
}
