#include <gtest/gtest.h>

#include "TestSource.h"
#include "dshow/CUnknown.h"

namespace {

uint32_t CountOf(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

TEST(CUnknownTest, EveryInterfaceLeadsToOneIdentity) {
  ComPtr<IBaseFilter> filter(new TestSource);
  ComPtr<IUnknown> first, second;
  ASSERT_EQ(filter->QueryInterface(IUnknown::kIid, reinterpret_cast<void**>(first.Receive())), S_OK);
  ComPtr<IBaseFilter> again;
  ASSERT_EQ(first.As(again), S_OK);
  EXPECT_EQ(again.Get(), filter.Get());
  ASSERT_EQ(again->QueryInterface(IUnknown::kIid, reinterpret_cast<void**>(second.Receive())), S_OK);
  EXPECT_EQ(first.Get(), second.Get());
  ComPtr<IPin> notAPin;
  EXPECT_EQ(filter.As(notAPin), E_NOINTERFACE);
  EXPECT_EQ(notAPin.Get(), nullptr);
}

TEST(CUnknownTest, TheLastReleaseDeletesTheFilterAndItsPins) {
  const int32_t before = CBaseObject::ObjectsActive();
  auto* source = new TestSource;
  ComPtr<IBaseFilter> filter(source);
  EXPECT_EQ(CBaseObject::ObjectsActive(), before + 2);
  EXPECT_EQ(CountOf(filter.Get()), 1u);

  // A pin's references are its filter's: holding the pin keeps both alive.
  ComPtr<IPin> pin(source->stream);
  EXPECT_EQ(CountOf(filter.Get()), 2u);
  ComPtr<IUnknown> pinIdentity;
  ASSERT_EQ(pin->QueryInterface(IUnknown::kIid, reinterpret_cast<void**>(pinIdentity.Receive())), S_OK);
  EXPECT_NE(static_cast<void*>(pinIdentity.Get()), static_cast<void*>(filter.Get()));
  pinIdentity.Reset();
  filter.Reset();
  EXPECT_EQ(CBaseObject::ObjectsActive(), before + 2);
  ComPtr<IQualityControl> quality;
  EXPECT_EQ(pin.As(quality), S_OK);
  quality.Reset();
  pin.Reset();
  EXPECT_EQ(CBaseObject::ObjectsActive(), before);
}

}  // namespace
