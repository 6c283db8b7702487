#include <gtest/gtest.h>

#include "dshow/CMediaType.h"
#include "platform/media/MediaGuids.h"

namespace {

CMediaType Rgb24WithFormat() {
  CMediaType type;
  type.SetType(MEDIATYPE_Video);
  type.SetSubtype(MEDIASUBTYPE_RGB24);
  type.SetFormatType(FORMAT_VideoInfo);
  uint8_t* block = type.AllocFormatBuffer(8);
  block[0] = 42;
  return type;
}

TEST(CMediaTypeTest, CopiesOwnTheirFormatBlock) {
  CMediaType original = Rgb24WithFormat();
  CMediaType copy(original);
  ASSERT_NE(copy.Format(), original.Format());
  EXPECT_TRUE(copy == original);
  copy.Format()[1] = 7;
  EXPECT_FALSE(copy == original);
  EXPECT_EQ(original.Format()[1], 0);  // allocated zeroed, untouched by the copy

  CMediaType assigned;
  assigned = original;
  EXPECT_TRUE(assigned == original);
  CMediaType moved(std::move(assigned));
  EXPECT_TRUE(moved == original);
  EXPECT_EQ(assigned.Format(), nullptr);
  assigned = std::move(moved);
  EXPECT_TRUE(assigned == original);
}

TEST(CMediaTypeTest, APartialTypeFixesOnlyWhatItGives) {
  const CMediaType full = Rgb24WithFormat();
  EXPECT_FALSE(CMediaType::IsPartiallySpecified(full));
  CMediaType partial;
  partial.SetType(MEDIATYPE_Video);
  EXPECT_TRUE(CMediaType::IsPartiallySpecified(partial));
  EXPECT_TRUE(CMediaType::MatchesPartial(partial, full));
  partial.SetSubtype(MEDIASUBTYPE_RGB32);
  EXPECT_FALSE(CMediaType::MatchesPartial(partial, full));
  partial.SetSubtype(GUID_NULL);
  partial.SetFormatType(FORMAT_VideoInfo);
  uint8_t other[8] = {43};
  ASSERT_EQ(partial.SetFormat(other, 8), S_OK);
  EXPECT_FALSE(CMediaType::MatchesPartial(partial, full));
  other[0] = 42;
  ASSERT_EQ(partial.SetFormat(other, 8), S_OK);
  EXPECT_TRUE(CMediaType::MatchesPartial(partial, full));
}

}  // namespace
