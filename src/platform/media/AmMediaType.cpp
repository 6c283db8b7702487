#include "platform/media/AmMediaType.h"

#include <cstring>
#include <new>

#include "platform/com/TaskMemory.h"

void FreeMediaType(AM_MEDIA_TYPE& type) {
  TaskMemFree(type.pbFormat);
  type.pbFormat = nullptr;
  type.cbFormat = 0;
}

HRESULT CopyMediaType(AM_MEDIA_TYPE& target, const AM_MEDIA_TYPE& source) {
  // Guard against copying onto itself: the fields would be kept but the block lost.
  if (&target == &source) return S_OK;
  target = source;
  target.pUnk = nullptr;
  target.pbFormat = nullptr;
  target.cbFormat = 0;
  if (source.cbFormat == 0 || source.pbFormat == nullptr) return S_OK;
  auto* block = static_cast<uint8_t*>(TaskMemAlloc(source.cbFormat));
  if (block == nullptr) return E_OUTOFMEMORY;
  std::memcpy(block, source.pbFormat, source.cbFormat);
  target.pbFormat = block;
  target.cbFormat = source.cbFormat;
  return S_OK;
}

AM_MEDIA_TYPE* CreateMediaType(const AM_MEDIA_TYPE& source) {
  void* memory = TaskMemAlloc(sizeof(AM_MEDIA_TYPE));
  if (memory == nullptr) return nullptr;
  auto* type = new (memory) AM_MEDIA_TYPE();
  if (FAILED(CopyMediaType(*type, source))) {
    DeleteMediaType(type);
    return nullptr;
  }
  return type;
}

void DeleteMediaType(AM_MEDIA_TYPE* type) {
  if (type == nullptr) return;
  FreeMediaType(*type);
  type->~AM_MEDIA_TYPE();
  TaskMemFree(type);
}

bool MediaTypesEqual(const AM_MEDIA_TYPE& a, const AM_MEDIA_TYPE& b) {
  if (a.majortype != b.majortype || a.subtype != b.subtype || a.formattype != b.formattype) return false;
  if (a.bFixedSizeSamples != b.bFixedSizeSamples || a.bTemporalCompression != b.bTemporalCompression) return false;
  if (a.lSampleSize != b.lSampleSize || a.cbFormat != b.cbFormat) return false;
  if (a.cbFormat == 0) return true;
  if (a.pbFormat == nullptr || b.pbFormat == nullptr) return a.pbFormat == b.pbFormat;
  return std::memcmp(a.pbFormat, b.pbFormat, a.cbFormat) == 0;
}
