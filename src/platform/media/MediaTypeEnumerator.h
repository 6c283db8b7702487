#pragma once

#include "platform/media/IEnumMediaTypes.h"
#include "platform/media/ListEnumerator.h"
#include "platform/media/MediaType.h"

// Walks the media types a pin offered when it was asked; Next hands out task-memory copies
// (DeleteMediaType frees them).
class MediaTypeEnumerator final : public ListEnumerator<MediaTypeEnumerator, IEnumMediaTypes, MediaType> {
 public:
  using TypeList = List;

  explicit MediaTypeEnumerator(std::shared_ptr<const TypeList> types, size_t position = 0)
      : ListEnumerator(std::move(types), position) {}

  HRESULT Next(uint32_t count, AM_MEDIA_TYPE** types, uint32_t* fetched) override;
};
