#include "platform/media/AmMediaType.h"

#include <gtest/gtest.h>

#include <new>

#include "platform/com/TaskMemory.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/VideoInfoHeader.h"

namespace {

AM_MEDIA_TYPE VideoType(int32_t width) {
  AM_MEDIA_TYPE type;
  type.majortype = MEDIATYPE_Video;
  type.formattype = FORMAT_VideoInfo;
  type.cbFormat = sizeof(VIDEOINFOHEADER);
  auto* header = new (TaskMemAlloc(type.cbFormat)) VIDEOINFOHEADER();
  header->bmiHeader.biWidth = width;
  type.pbFormat = reinterpret_cast<uint8_t*>(header);
  return type;
}

int32_t WidthOf(const AM_MEDIA_TYPE& type) { return reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat)->bmiHeader.biWidth; }

TEST(AmMediaTypeTest, CopiesAreDeepAndEqualUntilAFieldOrFormatByteDiffers) {
  AM_MEDIA_TYPE source = VideoType(640);
  AM_MEDIA_TYPE copy;
  ASSERT_EQ(CopyMediaType(copy, source), S_OK);
  EXPECT_NE(copy.pbFormat, source.pbFormat);
  EXPECT_TRUE(MediaTypesEqual(copy, source));
  copy.pbFormat[copy.cbFormat - 1] ^= 0xFF;
  EXPECT_FALSE(MediaTypesEqual(copy, source));
  copy.pbFormat[copy.cbFormat - 1] ^= 0xFF;
  copy.subtype = MEDIASUBTYPE_RGB32;
  EXPECT_FALSE(MediaTypesEqual(copy, source));

  FreeMediaType(source);
  EXPECT_EQ(source.pbFormat, nullptr);
  EXPECT_EQ(source.cbFormat, 0u);
  EXPECT_EQ(WidthOf(copy), 640);  // the copy's block outlives the original's
  EXPECT_FALSE(MediaTypesEqual(copy, source));

  ASSERT_EQ(CopyMediaType(copy, copy), S_OK);  // onto itself: nothing lost
  EXPECT_EQ(WidthOf(copy), 640);
  FreeMediaType(copy);
}

TEST(AmMediaTypeTest, CreatedTypeIsAnIndependentCopy) {
  AM_MEDIA_TYPE source = VideoType(64);
  AM_MEDIA_TYPE* created = CreateMediaType(source);
  ASSERT_NE(created, nullptr);
  EXPECT_NE(created->pbFormat, source.pbFormat);
  FreeMediaType(source);
  EXPECT_EQ(WidthOf(*created), 64);
  DeleteMediaType(created);
  DeleteMediaType(nullptr);
}

}  // namespace
