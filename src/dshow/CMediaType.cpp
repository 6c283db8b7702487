#include "dshow/CMediaType.h"

#include <cstring>
#include <utility>

#include "platform/com/TaskMemory.h"
#include "platform/media/MediaType.h"

CMediaType::CMediaType(const AM_MEDIA_TYPE& source) { Set(source); }

CMediaType::CMediaType(const CMediaType& source) : AM_MEDIA_TYPE() { Set(source); }

CMediaType::CMediaType(CMediaType&& source) noexcept : AM_MEDIA_TYPE(source) {
  source.pbFormat = nullptr;
  source.cbFormat = 0;
}

CMediaType& CMediaType::operator=(const CMediaType& source) {
  Set(source);
  return *this;
}

CMediaType& CMediaType::operator=(CMediaType&& source) noexcept {
  if (this == &source) return *this;
  FreeMediaType(*this);
  static_cast<AM_MEDIA_TYPE&>(*this) = source;
  source.pbFormat = nullptr;
  source.cbFormat = 0;
  return *this;
}

CMediaType::~CMediaType() { FreeMediaType(*this); }

HRESULT CMediaType::Set(const AM_MEDIA_TYPE& source) {
  if (&source == this) return S_OK;
  FreeMediaType(*this);
  return CopyMediaType(*this, source);
}

void CMediaType::SetSampleSize(uint32_t size) {
  if (size == 0) return SetVariableSize();
  bFixedSizeSamples = true;
  lSampleSize = size;
}

void CMediaType::SetVariableSize() {
  bFixedSizeSamples = false;
  lSampleSize = 0;
}

uint8_t* CMediaType::AllocFormatBuffer(uint32_t length) {
  FreeMediaType(*this);
  auto* block = static_cast<uint8_t*>(TaskMemAlloc(length));
  if (block == nullptr) return nullptr;
  std::memset(block, 0, length);
  pbFormat = block;
  cbFormat = length;
  return block;
}

HRESULT CMediaType::SetFormat(const uint8_t* format, uint32_t length) {
  if (format == nullptr && length > 0) return E_POINTER;
  uint8_t* block = AllocFormatBuffer(length);
  if (block == nullptr) return E_OUTOFMEMORY;
  if (length > 0) std::memcpy(block, format, length);
  return S_OK;
}

bool CMediaType::IsPartiallySpecified(const AM_MEDIA_TYPE& type) { return !IsComplete(type); }

bool CMediaType::MatchesPartial(const AM_MEDIA_TYPE& partial, const AM_MEDIA_TYPE& candidate) {
  if (!::MatchesPartial(candidate, partial)) return false;
  if (partial.formattype == GUID_NULL || partial.cbFormat == 0) return true;
  return partial.cbFormat == candidate.cbFormat && candidate.pbFormat != nullptr &&
         std::memcmp(partial.pbFormat, candidate.pbFormat, partial.cbFormat) == 0;
}
