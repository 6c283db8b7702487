#include <gtest/gtest.h>

#include "platform/gfx/EffectCompileFlags.h"

namespace {

constexpr int kOn = kEffectCompileDebug;
constexpr int kOff = kEffectCompileDebug | kEffectCompileSkipOptimization;

TEST(EffectCompileFlagsTest, FalseAfterOptimizationTurnsTheOptimiserOff) {
  EXPECT_EQ(EffectCompileFlagsFor("// optimization = false;"), kOff);
  EXPECT_EQ(EffectCompileFlagsFor("optimization=notfalse;"), kOff);
  EXPECT_EQ(EffectCompileFlagsFor("// optimization = true;"), kOn);
  EXPECT_EQ(EffectCompileFlagsFor("technique T {}"), kOn);
  EXPECT_EQ(EffectCompileFlagsFor(""), kOn);
}

TEST(EffectCompileFlagsTest, TheValueEndsAtTheFirstSemicolonAfterTheEquals) {
  // false after the ";" does not count.
  EXPECT_EQ(EffectCompileFlagsFor("optimization = true; other = false;"), kOn);
  // Only the first "optimization" counts.
  EXPECT_EQ(EffectCompileFlagsFor("optimization = true; optimization = false;"), kOn);
  // The first "=" after the keyword may lie beyond a ";": the value starts after it.
  EXPECT_EQ(EffectCompileFlagsFor("optimization false; x = 1; false;"), kOn);
  // Without any "=" the value runs from the keyword to the next ";".
  EXPECT_EQ(EffectCompileFlagsFor("optimization false; more"), kOff);
  EXPECT_EQ(EffectCompileFlagsFor("optimization true; false"), kOn);
  // No ";" at all: the value runs to the end of the text.
  EXPECT_EQ(EffectCompileFlagsFor("optimization = false"), kOff);
}

}  // namespace
