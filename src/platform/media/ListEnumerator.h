#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"

// What every enumerator of the host filters shares: a list fixed when it was asked for, shared
// with its clones, and a position in it that Skip, Reset and Clone move or copy. Self, the
// enumerator, supplies Next and is made from (list, position). One thread at a time.
template <class Self, class Interface, class Item>
class ListEnumerator : public ComObject<Interface> {
 public:
  using List = std::vector<Item>;

  HRESULT Skip(uint32_t count) override {
    const size_t left = items_->size() - position_;
    position_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }

  HRESULT Reset() override {
    position_ = 0;
    return S_OK;
  }

  HRESULT Clone(Interface** copy) override {
    if (copy == nullptr) return E_POINTER;
    *copy = MakeCom<Self>(items_, position_).Detach();
    return S_OK;
  }

 protected:
  ListEnumerator(std::shared_ptr<const List> items, size_t position) : items_(std::move(items)), position_(position) {}

  // Without a count to report only one item may be asked for at a time.
  static bool CountReportable(uint32_t count, const uint32_t* fetched) { return fetched != nullptr || count == 1; }

  std::shared_ptr<const List> items_;
  size_t position_;
};
