#include "platform/gfx/NullEffect.h"

namespace {

bool IsWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool ContainsWord(const std::string& code, std::string_view word) {
  for (size_t at = code.find(word); at != std::string::npos; at = code.find(word, at + 1)) {
    const size_t end = at + word.size();
    if ((at == 0 || !IsWordChar(code[at - 1])) && (end == code.size() || !IsWordChar(code[end]))) return true;
  }
  return false;
}

}  // namespace

NullEffect::NullEffect(ResourceRegistry& registry, EffectSource source, int compileFlags)
    : Effect(registry, static_cast<int>(source.techniques.size())),
      source_(std::move(source)),
      compileFlags_(compileFlags) {}

int NullEffect::PassCountOf(int technique) const {
  return static_cast<int>(source_.techniques[static_cast<size_t>(technique)].passes.size());
}

bool NullEffect::Declares(int technique, EffectParameter parameter) const {
  const std::string_view name = EffectParameterName(parameter);
  for (const EffectPass& pass : source_.techniques[static_cast<size_t>(technique)].passes) {
    if (ContainsWord(pass.fragment.code, name)) return true;
    if (pass.vertex && ContainsWord(pass.vertex->code, name)) return true;
  }
  return false;
}
