#include "platform/media/PinEnumerator.h"

HRESULT PinEnumerator::Next(uint32_t count, IPin** pins, uint32_t* fetched) {
  if (pins == nullptr || !CountReportable(count, fetched)) return E_POINTER;
  uint32_t given = 0;
  for (; given < count && position_ < items_->size(); ++given)
    pins[given] = ComPtr<IPin>((*items_)[position_++]).Detach();
  if (fetched != nullptr) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}
