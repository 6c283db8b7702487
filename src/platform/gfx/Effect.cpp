#include "platform/gfx/Effect.h"

Effect::Effect(ResourceRegistry& registry, int techniqueCount)
    : DeviceResource(registry), techniqueCount_(techniqueCount) {}

bool Effect::SetTechnique(int index) {
  if (lost() || index < 0 || index >= techniqueCount_) return false;
  current_ = index;
  found_.fill(false);
  return true;
}

int Effect::PassCount() const { return current_ < 0 ? 0 : PassCountOf(current_); }

void Effect::FindParameters() {
  for (size_t i = 0; i < kEffectParameterCount; ++i)
    found_[i] = current_ >= 0 && Declares(current_, static_cast<EffectParameter>(i));
}
