#pragma once

#include <string_view>

// The compile flags of an effect: debug information always, the optimiser skipped on request.
inline constexpr int kEffectCompileDebug = 1;
inline constexpr int kEffectCompileSkipOptimization = 4;

// kEffectCompileDebug, plus kEffectCompileSkipOptimization when the text after the first
// "optimization" (from after the first "=" that follows it, when there is one) up to the next ";"
// contains "false". The search runs over the raw file text, comments and shader code included.
int EffectCompileFlagsFor(std::string_view text);
