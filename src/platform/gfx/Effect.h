#pragma once

#include <array>

#include "platform/gfx/DeviceResource.h"
#include "platform/gfx/EffectParameter.h"

// A compiled effect: every technique of an effect file, ready to draw with. One technique is
// current (none until SetTechnique succeeds); its passes draw a mesh in order. Which of the
// parameters the current technique declares is known only after FindParameters. Created by a
// GraphicsDevice (CreateEffect), owned by the caller; lost with the device like any resource.
// User-interface thread only.
class Effect : public DeviceResource {
 public:
  int TechniqueCount() const { return techniqueCount_; }
  // -1 while no technique is current.
  int currentTechnique() const { return current_; }
  // False (nothing changes) for an index outside 0..TechniqueCount() - 1 or a lost effect.
  bool SetTechnique(int index);
  int PassCount() const;

  // Looks up, for the current technique, which parameters its passes declare; a parameter counts
  // when any pass uses it. Before the call, and without a current technique, none counts.
  void FindParameters();
  bool HasParameter(EffectParameter parameter) const { return found_[static_cast<size_t>(parameter)]; }

 protected:
  Effect(ResourceRegistry& registry, int techniqueCount);
  virtual int PassCountOf(int technique) const = 0;
  // Whether a pass of the technique declares the parameter, of a type the device can set.
  virtual bool Declares(int technique, EffectParameter parameter) const = 0;

 private:
  int techniqueCount_;
  int current_ = -1;
  std::array<bool, kEffectParameterCount> found_{};
};
