#include "platform/media/MediaTypeEnumerator.h"

HRESULT MediaTypeEnumerator::Next(uint32_t count, AM_MEDIA_TYPE** types, uint32_t* fetched) {
  if (types == nullptr || !CountReportable(count, fetched)) return E_POINTER;
  uint32_t given = 0;
  for (; given < count && position_ + given < items_->size(); ++given) {
    types[given] = CreateMediaType((*items_)[position_ + given].get());
    if (types[given] != nullptr) continue;
    // Out of memory: hand out nothing rather than a list the caller cannot tell is short.
    while (given > 0) DeleteMediaType(types[--given]);
    if (fetched != nullptr) *fetched = 0;
    return E_OUTOFMEMORY;
  }
  position_ += given;
  if (fetched != nullptr) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}
