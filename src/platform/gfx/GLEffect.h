#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Effect.h"
#include "platform/gfx/EffectSource.h"
#include "platform/gfx/GLEffectProgram.h"

// An effect of the GLDevice: one linked program per pass of every technique. Created, used and
// deleted with the device's context current; owned by the caller.
class GLEffect : public Effect {
 public:
  // nullptr when any pass fails to compile or link; messages then holds every log.
  static std::unique_ptr<GLEffect> Create(ResourceRegistry& registry, const EffectSource& source, bool optimize,
                                          std::string& messages);

  // The program of pass i of the current technique; i must lie in 0..PassCount() - 1.
  const GLEffectProgram& Pass(int i) const;

 protected:
  int PassCountOf(int technique) const override;
  bool Declares(int technique, EffectParameter parameter) const override;
  void ReleaseDeviceObjects() override;

 private:
  GLEffect(ResourceRegistry& registry, std::vector<std::vector<GLEffectProgram>> techniques);

  std::vector<std::vector<GLEffectProgram>> techniques_;
};
