#include "framework/DeviceEnumeration.h"

const EnumeratedAdapter* DeviceEnumeration::FindAdapter(uint32_t ordinal) const {
  for (const EnumeratedAdapter& adapter : adapters) {
    if (adapter.ordinal == ordinal) return &adapter;
  }
  return nullptr;
}
