#include "platform/gfx/DeviceResource.h"

#include "platform/gfx/ResourceRegistry.h"

DeviceResource::DeviceResource(ResourceRegistry& registry) : registry_(&registry) { registry.Add(this); }

DeviceResource::~DeviceResource() {
  if (registry_ != nullptr) registry_->Remove(this);
}

void DeviceResource::Lose() {
  if (lost_) return;
  ReleaseDeviceObjects();
  lost_ = true;
}

void DeviceResource::Detach() { registry_ = nullptr; }
