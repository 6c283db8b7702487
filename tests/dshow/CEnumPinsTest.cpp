#include <gtest/gtest.h>

#include "TestSource.h"
#include "dshow/CEnumPins.h"

namespace {

TEST(CEnumPinsTest, WalksThePinsAndNoticesWhenTheyChange) {
  auto* source = new TestSource;
  ComPtr<IBaseFilter> filter(source);
  auto* second = new TestStream(nullptr, source, u"Second");
  ComPtr<IEnumPins> pins;
  ASSERT_EQ(filter->EnumPins(pins.Receive()), S_OK);

  IPin* got[3] = {};
  uint32_t fetched = 9;
  ASSERT_EQ(pins->Next(3, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(got[0], static_cast<IPin*>(source->stream));
  EXPECT_EQ(got[1], static_cast<IPin*>(second));
  got[0]->Release(), got[1]->Release();
  EXPECT_EQ(pins->Next(2, got, nullptr), E_INVALIDARG);

  ASSERT_EQ(pins->Reset(), S_OK);
  EXPECT_EQ(pins->Skip(1), S_OK);
  ComPtr<IEnumPins> twin;
  ASSERT_EQ(pins->Clone(twin.Receive()), S_OK);
  ASSERT_EQ(twin->Next(1, got, nullptr), S_OK);
  EXPECT_EQ(got[0], static_cast<IPin*>(second));
  got[0]->Release();
  EXPECT_EQ(pins->Skip(5), S_FALSE);

  // A pin leaving (or coming) puts every enumerator out of step until it starts over.
  ASSERT_EQ(source->RemovePin(second), S_OK);
  delete second;
  EXPECT_EQ(pins->Next(1, got, &fetched), VFW_E_ENUM_OUT_OF_SYNC);
  EXPECT_EQ(fetched, 0u);
  EXPECT_EQ(twin->Skip(1), VFW_E_ENUM_OUT_OF_SYNC);
  EXPECT_EQ(twin->Clone(pins.Receive()), VFW_E_ENUM_OUT_OF_SYNC);
  ASSERT_EQ(twin->Reset(), S_OK);
  ASSERT_EQ(twin->Next(1, got, &fetched), S_OK);
  EXPECT_EQ(got[0], static_cast<IPin*>(source->stream));
  got[0]->Release();
}

}  // namespace
