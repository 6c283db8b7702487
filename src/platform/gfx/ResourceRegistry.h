#pragma once

#include <functional>
#include <vector>

class DeviceResource;

// The live resources of one device, so that a device loss reaches every one of them. Owned by
// its device; the resources register and unregister themselves. User-interface thread only.
class ResourceRegistry {
 public:
  ResourceRegistry() = default;
  // Resources still alive are detached and marked lost: they may outlive their device safely.
  ~ResourceRegistry();
  ResourceRegistry(const ResourceRegistry&) = delete;
  ResourceRegistry& operator=(const ResourceRegistry&) = delete;

  // Marks every live resource lost; each releases its device objects once.
  void LoseAll();
  int Count() const { return static_cast<int>(resources_.size()); }
  int LostCount() const;
  // Called with each resource as it goes away, so the device can forget a bound texture.
  void SetRemovalObserver(std::function<void(const DeviceResource*)> observer) { observer_ = std::move(observer); }

 private:
  friend class DeviceResource;
  void Add(DeviceResource* resource);
  void Remove(DeviceResource* resource);

  std::vector<DeviceResource*> resources_;
  std::function<void(const DeviceResource*)> observer_;
};
