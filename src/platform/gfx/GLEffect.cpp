#include "platform/gfx/GLEffect.h"

std::unique_ptr<GLEffect> GLEffect::Create(ResourceRegistry& registry, const EffectSource& source, bool optimize,
                                           std::string& messages) {
  std::vector<std::vector<GLEffectProgram>> techniques;
  bool ok = true;
  for (const EffectTechnique& technique : source.techniques) {
    std::vector<GLEffectProgram>& passes = techniques.emplace_back(technique.passes.size());
    for (size_t i = 0; i < passes.size(); ++i) ok = passes[i].Create(technique.passes[i], optimize, messages) && ok;
  }
  if (!ok) return nullptr;
  return std::unique_ptr<GLEffect>(new GLEffect(registry, std::move(techniques)));
}

GLEffect::GLEffect(ResourceRegistry& registry, std::vector<std::vector<GLEffectProgram>> techniques)
    : Effect(registry, static_cast<int>(techniques.size())), techniques_(std::move(techniques)) {}

const GLEffectProgram& GLEffect::Pass(int i) const {
  return techniques_[static_cast<size_t>(currentTechnique())][static_cast<size_t>(i)];
}

int GLEffect::PassCountOf(int technique) const {
  return static_cast<int>(techniques_[static_cast<size_t>(technique)].size());
}

bool GLEffect::Declares(int technique, EffectParameter parameter) const {
  for (const GLEffectProgram& pass : techniques_[static_cast<size_t>(technique)])
    if (pass.Declares(parameter)) return true;
  return false;
}

void GLEffect::ReleaseDeviceObjects() {
  for (auto& passes : techniques_)
    for (GLEffectProgram& pass : passes) pass.Destroy();
}
