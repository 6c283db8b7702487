#include "platform/gfx/DeviceResource.h"

#include <atomic>

#include "platform/gfx/ResourceRegistry.h"

namespace {

// Resources are made on loader threads too.
uint64_t NextVersion() {
  static std::atomic<uint64_t> last{0};
  return ++last;
}

}  // namespace

DeviceResource::DeviceResource(ResourceRegistry& registry) : registry_(&registry), version_(NextVersion()) {
  registry.Add(this);
}

DeviceResource::~DeviceResource() {
  if (registry_ != nullptr) registry_->Remove(this);
}

void DeviceResource::Lose() {
  if (lost_) return;
  ReleaseDeviceObjects();
  lost_ = true;
}

void DeviceResource::Detach() { registry_ = nullptr; }

void DeviceResource::MarkChanged() { version_ = NextVersion(); }
