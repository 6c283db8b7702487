#pragma once

#include "platform/com/ComPtr.h"
#include "platform/media/IEnumPins.h"
#include "platform/media/IPin.h"
#include "platform/media/ListEnumerator.h"

// Walks the pins a filter had when it was asked. The filters here never change their pins, so
// the walk never goes out of step. The pins held keep their filter alive while the walk lasts.
class PinEnumerator final : public ListEnumerator<PinEnumerator, IEnumPins, ComPtr<IPin>> {
 public:
  using PinList = List;

  explicit PinEnumerator(std::shared_ptr<const PinList> pins, size_t position = 0)
      : ListEnumerator(std::move(pins), position) {}

  HRESULT Next(uint32_t count, IPin** pins, uint32_t* fetched) override;
};
