#include "dshow/CBaseObject.h"

#include <atomic>

namespace {
std::atomic<int32_t> liveObjects{0};
}  // namespace

CBaseObject::CBaseObject(const char16_t* name) : objectName_(name != nullptr ? name : u"") {
  liveObjects.fetch_add(1, std::memory_order_relaxed);
}

CBaseObject::~CBaseObject() { liveObjects.fetch_sub(1, std::memory_order_relaxed); }

int32_t CBaseObject::ObjectsActive() { return liveObjects.load(std::memory_order_relaxed); }
