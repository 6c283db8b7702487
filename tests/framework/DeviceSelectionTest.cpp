#include <gtest/gtest.h>

#include "framework/AcceptableCombos.h"
#include "framework/DeviceSelection.h"
#include "framework/MadeUpDevices.h"
#include "framework/PhotoBookDeviceRules.h"

namespace {

using made_up::Adapter;
using made_up::Combo;
using made_up::Device;
using made_up::Mode;

constexpr auto X8 = SurfaceFormat::X8R8G8B8;
constexpr auto R5 = SurfaceFormat::R5G6B5;

SettingsSelection Select(const DeviceEnumeration& enumeration, bool windowed, uint32_t width, uint32_t height) {
  return FindValidDeviceSettings(enumeration, SettingsRequest::ForCreateDevice(windowed, width, height));
}

TEST(DeviceSelectionTest, WindowedTakesTheWantedSizeAndTheDesktopFormat) {
  const SettingsSelection selection = Select(made_up::OneAdapter(), true, 640, 480);
  ASSERT_TRUE(selection);
  const DeviceSettings& settings = selection.settings;
  EXPECT_TRUE(settings.present.windowed);
  EXPECT_EQ(settings.adapterFormat, X8);
  EXPECT_EQ(settings.present.backBufferFormat, X8);
  EXPECT_EQ(settings.present.backBufferWidth, 640u);
  EXPECT_EQ(settings.present.backBufferHeight, 480u);
  EXPECT_EQ(settings.present.fullScreenRefreshRate, 0u);
  // D32 is not offered: the nearest of D24S8 and D16.
  EXPECT_EQ(settings.present.autoDepthStencilFormat, SurfaceFormat::D24S8);
}

TEST(DeviceSelectionTest, FullScreenTakesTheClosestDisplayMode) {
  const SettingsSelection selection = Select(made_up::OneAdapter(), false, 1200, 700);
  ASSERT_TRUE(selection);
  EXPECT_FALSE(selection.settings.present.windowed);
  EXPECT_EQ(selection.settings.present.backBufferWidth, 1280u);
  EXPECT_EQ(selection.settings.present.backBufferHeight, 720u);
  const SettingsSelection desktop = Select(made_up::OneAdapter(), false, 0, 0);
  ASSERT_TRUE(desktop);
  EXPECT_EQ(desktop.settings.present.backBufferWidth, 1920u);
  EXPECT_EQ(desktop.settings.present.backBufferHeight, 1080u);
}

TEST(DeviceSelectionTest, SkipsPairsThatContradictAKeepChoice) {
  DeviceEnumeration enumeration = made_up::OneAdapter();
  std::vector<DeviceCombo>& combos = enumeration.adapters[0].devices[0].combos;
  combos.erase(combos.begin() + 1);
  EXPECT_EQ(Select(enumeration, false, 0, 0).status, FrameworkStatus::NoCompatibleDevices);
  EXPECT_TRUE(Select(enumeration, true, 640, 480));

  SettingsRequest request = SettingsRequest::ForCreateDevice(true, 640, 480);
  request.wanted.present.backBufferFormat = SurfaceFormat::A8R8G8B8;
  request.options.backBufferFormat = MatchChoice::Keep;
  EXPECT_EQ(FindValidDeviceSettings(enumeration, request).status, FrameworkStatus::NoCompatibleDevices);
  request.options.backBufferFormat = MatchChoice::Closest;
  EXPECT_TRUE(FindValidDeviceSettings(enumeration, request));
}

TEST(DeviceSelectionTest, KeptDepthStencilRefreshRateAndMultisampleMustBeOffered) {
  const DeviceEnumeration enumeration = made_up::OneAdapter();
  SettingsRequest request = SettingsRequest::ForCreateDevice(false, 1280, 720);
  request.wanted.present.autoDepthStencilFormat = SurfaceFormat::D32;
  request.options.depthFormat = MatchChoice::Keep;
  EXPECT_FALSE(FindValidDeviceSettings(enumeration, request));
  // Keeping no stencil: D16 is the only offered format without one, so it wins over D24S8.
  request.options.depthFormat = MatchChoice::Ignore;
  request.wanted.present.autoDepthStencilFormat = SurfaceFormat::D24X8;
  request.options.stencilFormat = MatchChoice::Keep;
  EXPECT_EQ(FindValidDeviceSettings(enumeration, request).settings.present.autoDepthStencilFormat, SurfaceFormat::D16);

  request = SettingsRequest::ForCreateDevice(false, 1280, 720);
  request.wanted.present.fullScreenRefreshRate = 75;
  request.options.refreshRate = MatchChoice::Keep;
  EXPECT_FALSE(FindValidDeviceSettings(enumeration, request));
  request.wanted.present.fullScreenRefreshRate = 60;
  EXPECT_EQ(FindValidDeviceSettings(enumeration, request).settings.present.fullScreenRefreshRate, 60u);

  request.wanted.present.multisampleType = MultisampleType::Samples4;
  request.wanted.present.multisampleQuality = 2;
  request.options.multisample = MatchChoice::Keep;
  EXPECT_FALSE(FindValidDeviceSettings(enumeration, request));
  request.wanted.present.multisampleQuality = 1;
  EXPECT_TRUE(FindValidDeviceSettings(enumeration, request));
}

TEST(DeviceSelectionTest, AnEmptyEnumerationHasNoCompatibleDevice) {
  EXPECT_EQ(Select({}, true, 640, 480).status, FrameworkStatus::NoCompatibleDevices);
}

TEST(DeviceSelectionTest, AmongEqualRanksTheFirstFoundStays) {
  const DeviceCombo combo = Combo(X8, X8, true);
  DeviceEnumeration enumeration;
  enumeration.adapters = {Adapter(
      0, Mode(1920, 1080), {Device(0, DeviceType::Reference, {combo}), Device(0, DeviceType::Software, {combo})})};
  EXPECT_EQ(Select(enumeration, true, 640, 480).settings.deviceType, DeviceType::Reference);
  std::swap(enumeration.adapters[0].devices[0], enumeration.adapters[0].devices[1]);
  EXPECT_EQ(Select(enumeration, true, 640, 480).settings.deviceType, DeviceType::Software);
}

TEST(DeviceSelectionTest, FullScreenOnALowColourDesktopChoosesX8R8G8B8AndD32) {
  DeviceCombo low = Combo(R5, R5, false);
  DeviceCombo high = Combo(X8, X8, false);
  high.depthStencilFormats = {SurfaceFormat::D16, SurfaceFormat::D32, SurfaceFormat::D24S8};
  DeviceEnumeration enumeration;
  enumeration.adapters = {
      Adapter(0, Mode(1024, 768, R5), {Device(0, DeviceType::Hardware, {low, high})}, {Mode(1024, 768, X8)})};
  const SettingsSelection selection = Select(enumeration, false, 0, 0);
  ASSERT_TRUE(selection);
  EXPECT_EQ(selection.settings.adapterFormat, X8);
  EXPECT_EQ(selection.settings.present.backBufferFormat, X8);
  EXPECT_EQ(selection.settings.present.autoDepthStencilFormat, SurfaceFormat::D32);

  // Without D32 the nearest offered: 24 depth bits are nearer to 32 than 16, and no stencil nearer
  // than 8 bits of it.
  enumeration.adapters[0].devices[0].combos[1].depthStencilFormats = {SurfaceFormat::D16, SurfaceFormat::D24S8,
                                                                      SurfaceFormat::D24X8};
  EXPECT_EQ(Select(enumeration, false, 0, 0).settings.present.autoDepthStencilFormat, SurfaceFormat::D24X8);
}

TEST(DeviceSelectionTest, TheWantedAdapterWinsOverTheFirst) {
  DeviceEnumeration enumeration = made_up::OneAdapter();
  enumeration.adapters.push_back(enumeration.adapters[0]);
  enumeration.adapters[1].ordinal = 1;
  enumeration.adapters[1].devices[0].caps.adapterOrdinal = 1;
  SettingsRequest request = SettingsRequest::ForCreateDevice(true, 640, 480);
  EXPECT_EQ(FindValidDeviceSettings(enumeration, request).settings.adapterOrdinal, 0u);
  request.wanted.adapterOrdinal = 1;
  request.options.adapterOrdinal = MatchChoice::Closest;
  EXPECT_EQ(FindValidDeviceSettings(enumeration, request).settings.adapterOrdinal, 1u);
}

TEST(DeviceSelectionTest, ADeviceWithoutAnAcceptedDepthStencilIsNotChosen) {
  // Adapter 0 (preferred) offers only D16 and D32; adapter 1 offers D24S8.
  DeviceEnumeration enumeration = made_up::OneAdapter();
  enumeration.adapters.push_back(enumeration.adapters[0]);
  enumeration.adapters[1].ordinal = 1;
  enumeration.adapters[1].devices[0].caps.adapterOrdinal = 1;
  for (uint32_t ordinal : {0u, 1u}) {
    const SurfaceFormat depthStencil = ordinal == 0 ? SurfaceFormat::D32 : SurfaceFormat::D24S8;
    for (FormatUse use : {FormatUse::BlendingTexture, FormatUse::BlendingRenderTarget, FormatUse::RenderTarget}) {
      enumeration.formats.Add({ordinal, DeviceType::Hardware, X8, use, X8});
    }
    enumeration.formats.Add({ordinal, DeviceType::Hardware, X8, FormatUse::DepthStencil, depthStencil});
    enumeration.formats.Add({ordinal, DeviceType::Hardware, X8, FormatUse::DepthStencilMatch, X8, depthStencil});
  }
  const PhotoBookDeviceRules rules({});
  RemoveUnacceptableCombos(enumeration, rules.Callbacks());
  ASSERT_EQ(enumeration.adapters.size(), 1u);
  EXPECT_EQ(Select(enumeration, true, 640, 480).settings.adapterOrdinal, 1u);

  enumeration.adapters.clear();
  EXPECT_EQ(Select(enumeration, true, 640, 480).status, FrameworkStatus::NoCompatibleDevices);
}

TEST(DeviceSelectionTest, CompletesMultisamplingAndIntervalWithTheNearestOffered) {
  SettingsRequest request = SettingsRequest::ForCreateDevice(false, 800, 600);
  request.wanted.present.multisampleType = MultisampleType::Samples8;
  request.wanted.present.multisampleQuality = 3;
  request.wanted.present.presentInterval = PresentInterval::One;
  request.wanted.present.fullScreenRefreshRate = 72;
  request.options.multisample = MatchChoice::Closest;
  request.options.presentInterval = MatchChoice::Closest;
  request.options.refreshRate = MatchChoice::Closest;
  DeviceEnumeration enumeration = made_up::OneAdapter();
  enumeration.adapters[0].displayModes.push_back(Mode(800, 600, X8, 75));
  const SettingsSelection selection = FindValidDeviceSettings(enumeration, request);
  ASSERT_TRUE(selection);
  const PresentParameters& present = selection.settings.present;
  EXPECT_EQ(present.multisampleType, MultisampleType::Samples4);
  EXPECT_EQ(present.multisampleQuality, 1u);
  // One and Default both wait for one retrace.
  EXPECT_EQ(present.presentInterval, PresentInterval::Default);
  EXPECT_EQ(present.fullScreenRefreshRate, 75u);
}

}  // namespace
