#include <gtest/gtest.h>

#include "TestSource.h"
#include "dshow/CEnumMediaTypes.h"

namespace {

TEST(CEnumMediaTypesTest, HandsOutCopiesOfThePinsTypesAndNoticesWhenTheyChange) {
  auto* source = new TestSource;
  ComPtr<IBaseFilter> filter(source);
  TestStream& pin = *source->stream;
  pin.ownTypes = {MEDIASUBTYPE_RGB32};
  uint8_t format[3] = {1, 2, 3};
  ASSERT_EQ(pin.type.SetFormat(format, 3), S_OK);
  ComPtr<IEnumMediaTypes> types;
  ASSERT_EQ(pin.EnumMediaTypes(types.Receive()), S_OK);

  AM_MEDIA_TYPE* got[3] = {};
  uint32_t fetched = 0;
  ASSERT_EQ(types->Next(3, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_TRUE(MediaTypesEqual(*got[0], pin.type));
  EXPECT_NE(got[0]->pbFormat, pin.type.pbFormat);  // the caller's own copy
  EXPECT_EQ(got[1]->subtype, MEDIASUBTYPE_RGB32);
  DeleteMediaType(got[0]), DeleteMediaType(got[1]);

  ASSERT_EQ(types->Reset(), S_OK);
  EXPECT_EQ(types->Skip(2), S_OK);
  EXPECT_EQ(types->Skip(1), S_FALSE);
  pin.IncrementTypeVersion();
  EXPECT_EQ(types->Next(1, got, nullptr), VFW_E_ENUM_OUT_OF_SYNC);
  ComPtr<IEnumMediaTypes> twin;
  EXPECT_EQ(types->Clone(twin.Receive()), VFW_E_ENUM_OUT_OF_SYNC);
  ASSERT_EQ(types->Reset(), S_OK);
  ASSERT_EQ(types->Next(1, got, nullptr), S_OK);
  EXPECT_EQ(got[0]->subtype, MEDIASUBTYPE_RGB24);
  DeleteMediaType(got[0]);
}

}  // namespace
