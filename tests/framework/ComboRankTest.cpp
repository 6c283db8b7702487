#include <gtest/gtest.h>

#include "framework/ComboRank.h"
#include "framework/MadeUpDevices.h"
#include "framework/OptimalSettings.h"
#include "framework/SettingsRequest.h"

namespace {

using made_up::Combo;

class ComboRankTest : public ::testing::Test {
 protected:
  // The optimal settings of creating a windowed 640 x 480 device on the made-up adapter.
  DeviceSettings WindowedOptimal() const {
    const SettingsRequest request = SettingsRequest::ForCreateDevice(true, 640, 480);
    return OptimalSettings(request.wanted, request.options, enumeration_);
  }

  // Full screen at 1280 x 720, 60 Hz, with a D24S8 depth buffer.
  DeviceSettings FullScreenOptimal() const {
    DeviceSettings optimal = WindowedOptimal();
    optimal.present.windowed = false;
    optimal.present.backBufferWidth = 1280;
    optimal.present.backBufferHeight = 720;
    optimal.present.fullScreenRefreshRate = 60;
    optimal.present.autoDepthStencilFormat = SurfaceFormat::D24S8;
    return optimal;
  }

  int Rank(const DeviceCombo& combo, const DeviceSettings& optimal, uint32_t adapterIndex = 0) const {
    const EnumeratedAdapter& adapter = enumeration_.adapters[adapterIndex];
    return ComboRank({adapter, adapter.devices[0], combo}, optimal);
  }

  int RankOnDevice(const EnumeratedDevice& device, const DeviceSettings& optimal) const {
    return ComboRank({enumeration_.adapters[0], device, device.combos[0]}, optimal);
  }

  DeviceEnumeration enumeration_ = made_up::OneAdapter();
  DeviceCombo windowed_ = Combo(SurfaceFormat::X8R8G8B8, SurfaceFormat::X8R8G8B8, true);
  DeviceCombo fullScreen_ = Combo(SurfaceFormat::X8R8G8B8, SurfaceFormat::X8R8G8B8, false);
};

TEST_F(ComboRankTest, AddsTheWeightsOfAWindowedPair) {
  // adapter 1000, device type 100 + 0.1 hardware, windowed 10, adapter format 1, processing 1.1,
  // back buffer 1 + 0.1, multisample 1, interval 1; no 640 x 480 mode, no D32, no 0 Hz mode.
  EXPECT_EQ(Rank(windowed_, WindowedOptimal()), 11153);
}

TEST_F(ComboRankTest, AddsTheWeightsOfAFullScreenPair) {
  // As windowed, plus the desktop format 0.1, the 1280 x 720 mode 1, D24S8 1 and the 60 Hz mode 1.
  EXPECT_EQ(Rank(fullScreen_, FullScreenOptimal()), 11184);
  EXPECT_EQ(Rank(windowed_, FullScreenOptimal()), 11184 - 100 - 1);
}

TEST_F(ComboRankTest, PrefersTheOptimalAdapterDeviceTypeAndHardware) {
  const DeviceSettings optimal = WindowedOptimal();
  enumeration_.adapters.push_back(enumeration_.adapters[0]);
  enumeration_.adapters[1].ordinal = 1;
  EXPECT_EQ(Rank(windowed_, optimal) - Rank(windowed_, optimal, 1), 10000);

  const auto reference = made_up::Device(0, DeviceType::Reference, {windowed_});
  const auto hardware = made_up::Device(0, DeviceType::Hardware, {windowed_});
  EXPECT_EQ(RankOnDevice(hardware, optimal) - RankOnDevice(reference, optimal), 1001);
  DeviceSettings wantsReference = optimal;
  wantsReference.deviceType = DeviceType::Reference;
  EXPECT_EQ(RankOnDevice(reference, wantsReference) - RankOnDevice(hardware, wantsReference), 999);
}

TEST_F(ComboRankTest, ScoresHardwareVertexProcessing) {
  const auto withTransform = made_up::Device(0, DeviceType::Hardware, {windowed_}, true);
  const auto withoutTransform = made_up::Device(0, DeviceType::Hardware, {windowed_}, false);
  DeviceSettings optimal = WindowedOptimal();
  for (VertexProcessing processing :
       {VertexProcessing::PureHardware, VertexProcessing::Hardware, VertexProcessing::Mixed}) {
    optimal.vertexProcessing = processing;
    EXPECT_EQ(RankOnDevice(withTransform, optimal) - RankOnDevice(withoutTransform, optimal), 11);
  }
  optimal.vertexProcessing = VertexProcessing::Software;
  EXPECT_EQ(RankOnDevice(withTransform, optimal) - RankOnDevice(withoutTransform, optimal), 1);
}

TEST_F(ComboRankTest, ScoresFormatsByTheirBitsPerChannel) {
  EXPECT_EQ(FormatCloseness(SurfaceFormat::X8R8G8B8, SurfaceFormat::X8R8G8B8), 10);
  EXPECT_EQ(FormatCloseness(SurfaceFormat::A8R8G8B8, SurfaceFormat::X8R8G8B8), 9);
  EXPECT_EQ(FormatCloseness(SurfaceFormat::R5G6B5, SurfaceFormat::X8R8G8B8), 3);
  EXPECT_EQ(FormatCloseness(SurfaceFormat::A4R4G4B4, SurfaceFormat::X8R8G8B8), 1);
  EXPECT_EQ(FormatCloseness(SurfaceFormat::R3G3B2, SurfaceFormat::A2R10G10B10), 0);

  // An A8R8G8B8 back buffer on an X8R8G8B8 adapter: 0.9 and no same-format bonus.
  const DeviceCombo alpha = Combo(SurfaceFormat::X8R8G8B8, SurfaceFormat::A8R8G8B8, true);
  EXPECT_EQ(Rank(windowed_, WindowedOptimal()) - Rank(alpha, WindowedOptimal()), 2);
  // An R5G6B5 pair against an X8R8G8B8 optimum: 0.3 for each format, 0.1 for their sameness.
  const DeviceCombo low = Combo(SurfaceFormat::R5G6B5, SurfaceFormat::R5G6B5, true);
  EXPECT_EQ(Rank(windowed_, WindowedOptimal()) - Rank(low, WindowedOptimal()), 14);
}

TEST_F(ComboRankTest, GivesFullScreenPairsInTheDesktopFormatABonus) {
  const DeviceSettings optimal = FullScreenOptimal();
  const DeviceCombo lowColour = Combo(SurfaceFormat::R5G6B5, SurfaceFormat::X8R8G8B8, false);
  const auto rankOnDesktop = [&](SurfaceFormat desktop, const DeviceCombo& combo) {
    enumeration_.adapters[0].desktopMode.format = desktop;
    return Rank(combo, optimal);
  };
  const int withBonus = rankOnDesktop(SurfaceFormat::X8R8G8B8, fullScreen_);
  EXPECT_EQ(withBonus - rankOnDesktop(SurfaceFormat::A8R8G8B8, fullScreen_), 1);
  EXPECT_EQ(withBonus - rankOnDesktop(SurfaceFormat::A2R10G10B10, fullScreen_), 1);
  // A desktop of fewer than 8 bits a channel counts as X8R8G8B8, not as itself.
  EXPECT_EQ(rankOnDesktop(SurfaceFormat::R5G6B5, fullScreen_), withBonus);
  EXPECT_EQ(rankOnDesktop(SurfaceFormat::R5G6B5, lowColour), rankOnDesktop(SurfaceFormat::X8R8G8B8, lowColour));
  // Windowed pairs never get it.
  EXPECT_EQ(rankOnDesktop(SurfaceFormat::X8R8G8B8, windowed_), rankOnDesktop(SurfaceFormat::A8R8G8B8, windowed_));
}

TEST_F(ComboRankTest, NeedsMoreQualityLevelsThanTheOptimalQuality) {
  DeviceSettings optimal = WindowedOptimal();
  optimal.present.multisampleType = MultisampleType::Samples4;
  optimal.present.multisampleQuality = 1;
  const int offered = Rank(windowed_, optimal);
  optimal.present.multisampleQuality = 2;
  EXPECT_EQ(offered - Rank(windowed_, optimal), 10);
  optimal.present.multisampleType = MultisampleType::Samples8;
  optimal.present.multisampleQuality = 0;
  EXPECT_EQ(offered - Rank(windowed_, optimal), 10);
}

TEST_F(ComboRankTest, CountsDepthStencilRefreshRateAndIntervalOnlyWhenOffered) {
  DeviceSettings optimal = FullScreenOptimal();
  const int all = Rank(fullScreen_, optimal);
  optimal.present.autoDepthStencilFormat = SurfaceFormat::D32;
  EXPECT_EQ(all - Rank(fullScreen_, optimal), 10);
  optimal.present.fullScreenRefreshRate = 75;
  EXPECT_EQ(all - Rank(fullScreen_, optimal), 20);
  optimal.present.presentInterval = PresentInterval::Two;
  EXPECT_EQ(all - Rank(fullScreen_, optimal), 30);
  optimal.present.backBufferWidth = 1024;
  EXPECT_EQ(all - Rank(fullScreen_, optimal), 40);
}

}  // namespace
