#pragma once

#include <memory>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/media/IEnumPins.h"
#include "platform/media/IPin.h"

// Walks the pins a filter had when it was asked. The filters here never change their pins, so
// the walk never goes out of step. The pins held keep their filter alive while the walk lasts.
// One thread at a time.
class PinEnumerator final : public ComObject<IEnumPins> {
 public:
  using PinList = std::vector<ComPtr<IPin>>;

  explicit PinEnumerator(std::shared_ptr<const PinList> pins, size_t position = 0)
      : pins_(std::move(pins)), position_(position) {}

  HRESULT Next(uint32_t count, IPin** pins, uint32_t* fetched) override;
  HRESULT Skip(uint32_t count) override;
  HRESULT Reset() override;
  HRESULT Clone(IEnumPins** copy) override;

 private:
  std::shared_ptr<const PinList> pins_;
  size_t position_;
};
