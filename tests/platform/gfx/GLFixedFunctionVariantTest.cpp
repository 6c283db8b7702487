#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/gfx/GLFixedFunctionVariant.h"

namespace {

using Op = RenderStates::TextureOp;

RenderStates Lit(bool specular) {
  RenderStates states;
  states.lighting = true;
  states.specular = specular;
  return states;
}

// A term left out must be one that could not have added anything; a term that could, kept.
TEST(GLFixedFunctionVariantTest, LeavesOutOnlyTermsThatCannotContribute) {
  const GLFixedFunctionVariant full = GLFixedFunctionVariant::For(Lit(true), false, true, true);
  EXPECT_TRUE(full.lighting && full.pointLight && full.specular && full.textured);

  const GLFixedFunctionVariant dark = GLFixedFunctionVariant::For(Lit(true), false, false, true);
  EXPECT_TRUE(dark.lighting);  // ambient and emissive still light the surface
  EXPECT_FALSE(dark.pointLight || dark.specular);

  const GLFixedFunctionVariant screen = GLFixedFunctionVariant::For(Lit(true), true, true, false);
  EXPECT_TRUE(screen.pretransformed);
  EXPECT_FALSE(screen.lighting || screen.pointLight || screen.specular || screen.textured);

  RenderStates unlit = Lit(true);
  unlit.lighting = false;
  const GLFixedFunctionVariant plain = GLFixedFunctionVariant::For(unlit, false, true, true);
  EXPECT_FALSE(plain.lighting || plain.specular);

  EXPECT_FALSE(GLFixedFunctionVariant::For(Lit(false), false, true, true).specular);
}

TEST(GLFixedFunctionVariantTest, EveryVariantHasItsOwnKeyAndSource) {
  std::set<unsigned> keys;
  std::set<std::string> sources;
  int count = 0;
  for (int bits = 0; bits < 64; ++bits)
    for (const Op colour : {Op::Modulate, Op::SelectTexture, Op::SelectDiffuse})
      for (const Op alpha : {Op::Modulate, Op::SelectTexture, Op::SelectDiffuse}) {
        GLFixedFunctionVariant variant;
        variant.flat = bits & 1;
        variant.pretransformed = bits & 2;
        variant.lighting = bits & 4;
        variant.pointLight = bits & 8;
        variant.specular = bits & 16;
        variant.textured = bits & 32;
        variant.colourOp = colour;
        variant.alphaOp = alpha;
        keys.insert(variant.Key());
        sources.insert(variant.Defines());
        ++count;
      }
  EXPECT_EQ(keys.size(), static_cast<size_t>(count));
  EXPECT_EQ(sources.size(), static_cast<size_t>(count));
}

}  // namespace
