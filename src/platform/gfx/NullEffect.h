#pragma once

#include <string>
#include <vector>

#include "platform/gfx/Effect.h"
#include "platform/gfx/EffectSource.h"

// An effect of the NullDevice: nothing is compiled. A parameter counts as declared when its name
// appears as a whole word in a stage of the technique, which is what tests of the code above the
// device need. Owned by the caller.
class NullEffect : public Effect {
 public:
  NullEffect(ResourceRegistry& registry, EffectSource source, int compileFlags);

  const EffectSource& source() const { return source_; }
  int compileFlags() const { return compileFlags_; }

 protected:
  int PassCountOf(int technique) const override;
  bool Declares(int technique, EffectParameter parameter) const override;

 private:
  EffectSource source_;
  int compileFlags_;
};
