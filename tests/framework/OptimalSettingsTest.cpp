#include <gtest/gtest.h>

#include "framework/MadeUpDevices.h"
#include "framework/OptimalSettings.h"
#include "framework/SettingsRequest.h"

namespace {

DeviceSettings OptimalFor(const SettingsRequest& request, const DeviceEnumeration& enumeration) {
  return OptimalSettings(request.wanted, request.options, enumeration);
}

TEST(OptimalSettingsTest, FillsTheDefaultsOfAWindowedDevice) {
  SettingsRequest request;
  request.wanted.adapterOrdinal = 3;
  request.wanted.present.backBufferWidth = 1000;
  const DeviceSettings optimal = OptimalFor(request, made_up::OneAdapter());
  EXPECT_EQ(optimal.adapterOrdinal, 0u);
  EXPECT_EQ(optimal.deviceType, DeviceType::Hardware);
  EXPECT_TRUE(optimal.present.windowed);
  EXPECT_EQ(optimal.adapterFormat, SurfaceFormat::X8R8G8B8);
  EXPECT_EQ(optimal.vertexProcessing, VertexProcessing::Hardware);
  EXPECT_EQ(optimal.present.backBufferWidth, 640u);
  EXPECT_EQ(optimal.present.backBufferHeight, 480u);
  EXPECT_EQ(optimal.present.backBufferFormat, SurfaceFormat::X8R8G8B8);
  EXPECT_EQ(optimal.present.backBufferCount, 1u);
  EXPECT_EQ(optimal.present.multisampleType, MultisampleType::None);
  EXPECT_EQ(optimal.present.multisampleQuality, 0u);
  EXPECT_EQ(optimal.present.swapEffect, SwapEffect::Discard);
  EXPECT_EQ(optimal.present.autoDepthStencilFormat, SurfaceFormat::D32);
  EXPECT_EQ(optimal.present.flags, PresentParameters::kDiscardDepthStencil);
  EXPECT_EQ(optimal.present.fullScreenRefreshRate, 0u);
  EXPECT_EQ(optimal.present.presentInterval, PresentInterval::Default);
}

TEST(OptimalSettingsTest, FullScreenDefaultsFollowTheDesktop) {
  DeviceEnumeration enumeration = made_up::OneAdapter();
  const DeviceSettings optimal = OptimalFor(SettingsRequest::ForCreateDevice(false, 0, 0), enumeration);
  EXPECT_FALSE(optimal.present.windowed);
  EXPECT_EQ(optimal.present.backBufferWidth, 1920u);
  EXPECT_EQ(optimal.present.backBufferHeight, 1080u);

  enumeration.adapters[0].desktopMode.format = SurfaceFormat::R5G6B5;
  const DeviceSettings lowColour = OptimalFor(SettingsRequest::ForCreateDevice(false, 0, 0), enumeration);
  EXPECT_EQ(lowColour.adapterFormat, SurfaceFormat::X8R8G8B8);
  EXPECT_EQ(lowColour.present.autoDepthStencilFormat, SurfaceFormat::D32);
  const DeviceSettings windowed = OptimalFor(SettingsRequest::ForCreateDevice(true, 0, 0), enumeration);
  EXPECT_EQ(windowed.adapterFormat, SurfaceFormat::R5G6B5);
  EXPECT_EQ(windowed.present.autoDepthStencilFormat, SurfaceFormat::D16);
}

TEST(OptimalSettingsTest, TakesTheWantedValueForKeepAndClosest) {
  SettingsRequest request;
  request.wanted.adapterOrdinal = 1;
  request.wanted.present.backBufferFormat = SurfaceFormat::A8R8G8B8;
  request.wanted.present.presentInterval = PresentInterval::Immediate;
  request.wanted.present.autoDepthStencilFormat = SurfaceFormat::D24S8;
  request.options.adapterOrdinal = MatchChoice::Closest;
  request.options.backBufferFormat = MatchChoice::Keep;
  request.options.presentInterval = MatchChoice::Closest;
  request.options.stencilFormat = MatchChoice::Closest;
  const DeviceSettings optimal = OptimalFor(request, made_up::OneAdapter());
  EXPECT_EQ(optimal.adapterOrdinal, 1u);
  EXPECT_EQ(optimal.present.backBufferFormat, SurfaceFormat::A8R8G8B8);
  EXPECT_EQ(optimal.present.presentInterval, PresentInterval::Immediate);
  EXPECT_EQ(optimal.present.autoDepthStencilFormat, SurfaceFormat::D24S8);
  // Adapter 1 is not enumerated: its desktop format is unknown.
  EXPECT_EQ(optimal.adapterFormat, SurfaceFormat::Unknown);
}

TEST(OptimalSettingsTest, CreatingADeviceMatchesTheSizeWhenWindowedOrGiven) {
  const SettingsRequest windowed = SettingsRequest::ForCreateDevice(true, 640, 480);
  EXPECT_EQ(windowed.options.windowed, MatchChoice::Keep);
  EXPECT_EQ(windowed.options.resolution, MatchChoice::Closest);
  EXPECT_EQ(windowed.options.adapterFormat, MatchChoice::Ignore);
  EXPECT_EQ(SettingsRequest::ForCreateDevice(false, 800, 600).options.resolution, MatchChoice::Closest);
  EXPECT_EQ(SettingsRequest::ForCreateDevice(false, 800, 0).options.resolution, MatchChoice::Ignore);
}

}  // namespace
