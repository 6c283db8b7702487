#include "platform/gfx/ResourceRegistry.h"

#include <algorithm>

#include "platform/gfx/DeviceResource.h"

ResourceRegistry::~ResourceRegistry() {
  LoseAll();
  for (DeviceResource* resource : resources_) resource->Detach();
}

void ResourceRegistry::LoseAll() {
  for (DeviceResource* resource : resources_) resource->Lose();
}

int ResourceRegistry::LostCount() const {
  return static_cast<int>(std::count_if(resources_.begin(), resources_.end(), [](auto* r) { return r->lost(); }));
}

void ResourceRegistry::Add(DeviceResource* resource) { resources_.push_back(resource); }

void ResourceRegistry::Remove(DeviceResource* resource) {
  std::erase(resources_, resource);
  if (observer_) observer_(resource);
}
