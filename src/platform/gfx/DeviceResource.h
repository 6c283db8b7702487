#pragma once

#include <cstdint>

class ResourceRegistry;

// Base of every resource a device creates (meshes, textures). A resource registers with its
// device's registry for its lifetime; a device loss marks it lost, after which it holds no device
// objects and draws with it fail, while its CPU-side data stays. A lost resource is never
// restored: its owner releases it and creates a new one after the reset. The owner (whoever got
// the unique_ptr from the device) deletes it; it may outlive the device. User-interface thread only.
class DeviceResource {
 public:
  virtual ~DeviceResource();
  DeviceResource(const DeviceResource&) = delete;
  DeviceResource& operator=(const DeviceResource&) = delete;

  bool lost() const { return lost_; }
  bool BelongsTo(const ResourceRegistry& registry) const { return registry_ == &registry; }
  // A number that changes whenever what the resource holds may have changed and that no other
  // resource of the process, alive or gone, ever had: equal versions mean equal contents.
  uint64_t version() const { return version_; }
  // Called by whoever changes the contents: a mesh's new vertices, a target drawn into.
  void MarkChanged();

 protected:
  explicit DeviceResource(ResourceRegistry& registry);
  // Frees the device objects at a loss; called once, with the device's context current.
  virtual void ReleaseDeviceObjects() {}

 private:
  friend class ResourceRegistry;
  void Lose();
  void Detach();

  ResourceRegistry* registry_;
  bool lost_ = false;
  uint64_t version_;
};
