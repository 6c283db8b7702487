#include "platform/media/MediaTypeEnumerator.h"

#include "platform/com/ComPtr.h"

HRESULT MediaTypeEnumerator::Next(uint32_t count, AM_MEDIA_TYPE** types, uint32_t* fetched) {
  if (types == nullptr) return E_POINTER;
  if (fetched == nullptr && count != 1) return E_POINTER;
  uint32_t given = 0;
  for (; given < count && position_ + given < types_->size(); ++given) {
    types[given] = CreateMediaType((*types_)[position_ + given].get());
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

HRESULT MediaTypeEnumerator::Skip(uint32_t count) {
  const size_t left = types_->size() - position_;
  position_ += count < left ? count : left;
  return count <= left ? S_OK : S_FALSE;
}

HRESULT MediaTypeEnumerator::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT MediaTypeEnumerator::Clone(IEnumMediaTypes** copy) {
  if (copy == nullptr) return E_POINTER;
  *copy = MakeCom<MediaTypeEnumerator>(types_, position_).Detach();
  return S_OK;
}
