#include <gtest/gtest.h>

#include "framework/AcceptableCombos.h"
#include "framework/MadeUpDevices.h"

namespace {

using made_up::Combo;

constexpr auto X8 = SurfaceFormat::X8R8G8B8;
constexpr auto A8 = SurfaceFormat::A8R8G8B8;

// Adapter 0: a hardware device with X8 and A8 back buffers, windowed and full screen, and a
// reference device with only an A8 one. Adapter 1: a reference device with only an A8 one.
DeviceEnumeration TwoAdapters() {
  DeviceEnumeration enumeration;
  const auto desktop = made_up::Mode(1920, 1080);
  enumeration.adapters = {
      made_up::Adapter(
          0, desktop,
          {made_up::Device(0, DeviceType::Hardware,
                           {Combo(X8, X8, true), Combo(X8, A8, true), Combo(X8, X8, false), Combo(X8, A8, false)}),
           made_up::Device(0, DeviceType::Reference, {Combo(X8, A8, true)})}),
      made_up::Adapter(1, desktop, {made_up::Device(1, DeviceType::Reference, {Combo(X8, A8, true)})})};
  return enumeration;
}

TEST(AcceptableCombosTest, RemovesRejectedPairsAndWhatIsLeftEmpty) {
  DeviceEnumeration enumeration = TwoAdapters();
  DeviceCallbacks callbacks;
  int calls = 0;
  callbacks.isDeviceAcceptable = [&](const DeviceCaps& caps, const FormatSupport& formats, SurfaceFormat adapter,
                                     SurfaceFormat backBuffer, bool windowed) {
    ++calls;
    EXPECT_EQ(&formats, &enumeration.formats);
    EXPECT_EQ(adapter, X8);
    return backBuffer == X8 || (caps.deviceType == DeviceType::Hardware && !windowed);
  };
  RemoveUnacceptableCombos(enumeration, callbacks);
  EXPECT_EQ(calls, 6);
  ASSERT_EQ(enumeration.adapters.size(), 1u);
  ASSERT_EQ(enumeration.adapters[0].devices.size(), 1u);
  const std::vector<DeviceCombo>& combos = enumeration.adapters[0].devices[0].combos;
  ASSERT_EQ(combos.size(), 3u);
  EXPECT_TRUE(combos[0].windowed);
  EXPECT_EQ(combos[1].backBufferFormat, X8);
  EXPECT_FALSE(combos[1].windowed);
  EXPECT_EQ(combos[2].backBufferFormat, A8);
}

TEST(AcceptableCombosTest, WithoutACallbackEverythingStays) {
  DeviceEnumeration enumeration = TwoAdapters();
  RemoveUnacceptableCombos(enumeration, {});
  EXPECT_EQ(enumeration.adapters.size(), 2u);
  EXPECT_EQ(enumeration.adapters[0].devices.size(), 2u);
  EXPECT_EQ(enumeration.adapters[0].devices[0].combos.size(), 4u);
}

}  // namespace
