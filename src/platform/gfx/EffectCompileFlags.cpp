#include "platform/gfx/EffectCompileFlags.h"

namespace {

// The value text of the optimization setting: after the "=" (if any) up to the next ";".
std::string_view OptimizationValue(std::string_view text, size_t keyword) {
  std::string_view rest = text.substr(keyword + std::string_view("optimization").size());
  if (const size_t equals = rest.find('='); equals != std::string_view::npos) rest = rest.substr(equals + 1);
  return rest.substr(0, rest.find(';'));
}

}  // namespace

int EffectCompileFlagsFor(std::string_view text) {
  const size_t keyword = text.find("optimization");
  if (keyword == std::string_view::npos) return kEffectCompileDebug;
  const bool off = OptimizationValue(text, keyword).find("false") != std::string_view::npos;
  return off ? kEffectCompileDebug | kEffectCompileSkipOptimization : kEffectCompileDebug;
}
