#pragma once

#include <memory>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/media/IEnumMediaTypes.h"
#include "platform/media/MediaType.h"

// Walks the media types a pin offered when it was asked; Next hands out task-memory copies
// (DeleteMediaType frees them). One thread at a time.
class MediaTypeEnumerator final : public ComObject<IEnumMediaTypes> {
 public:
  using TypeList = std::vector<MediaType>;

  explicit MediaTypeEnumerator(std::shared_ptr<const TypeList> types, size_t position = 0)
      : types_(std::move(types)), position_(position) {}

  HRESULT Next(uint32_t count, AM_MEDIA_TYPE** types, uint32_t* fetched) override;
  HRESULT Skip(uint32_t count) override;
  HRESULT Reset() override;
  HRESULT Clone(IEnumMediaTypes** copy) override;

 private:
  std::shared_ptr<const TypeList> types_;
  size_t position_;
};
