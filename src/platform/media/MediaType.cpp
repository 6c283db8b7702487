#include "platform/media/MediaType.h"

#include <cstring>
#include <utility>

#include "platform/com/TaskMemory.h"
#include "platform/media/MediaGuids.h"

MediaType& MediaType::operator=(MediaType other) noexcept {
  std::swap(type_, other.type_);
  return *this;
}

bool MediaType::SetFormat(const void* bytes, uint32_t size) {
  FreeMediaType(type_);
  if (size == 0) return true;
  type_.pbFormat = static_cast<uint8_t*>(TaskMemAlloc(size));
  if (type_.pbFormat == nullptr) return false;
  std::memcpy(type_.pbFormat, bytes, size);
  type_.cbFormat = size;
  return true;
}

MediaType MediaType::Video(const Guid& subtype, const VIDEOINFOHEADER& header, const void* extra, uint32_t extraSize) {
  MediaType made;
  made->majortype = MEDIATYPE_Video;
  made->subtype = subtype;
  made->formattype = FORMAT_VideoInfo;
  const uint32_t size = sizeof(VIDEOINFOHEADER) + extraSize;
  auto* block = static_cast<uint8_t*>(TaskMemAlloc(size));
  if (block == nullptr) return made;
  std::memcpy(block, &header, sizeof header);
  if (extraSize > 0) std::memcpy(block + sizeof header, extra, extraSize);
  made->pbFormat = block;
  made->cbFormat = size;
  return made;
}

const VIDEOINFOHEADER* VideoInfoOf(const AM_MEDIA_TYPE& type) {
  if (type.formattype != FORMAT_VideoInfo || type.pbFormat == nullptr) return nullptr;
  if (type.cbFormat < sizeof(VIDEOINFOHEADER)) return nullptr;
  return reinterpret_cast<const VIDEOINFOHEADER*>(type.pbFormat);
}

bool MatchesPartial(const AM_MEDIA_TYPE& type, const AM_MEDIA_TYPE& partial) {
  const auto agrees = [](const Guid& wanted, const Guid& have) { return wanted == GUID_NULL || wanted == have; };
  return agrees(partial.majortype, type.majortype) && agrees(partial.subtype, type.subtype) &&
         agrees(partial.formattype, type.formattype);
}

bool IsComplete(const AM_MEDIA_TYPE& type) {
  return type.majortype != GUID_NULL && type.subtype != GUID_NULL && type.formattype != GUID_NULL;
}
