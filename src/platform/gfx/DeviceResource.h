#pragma once

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
};
