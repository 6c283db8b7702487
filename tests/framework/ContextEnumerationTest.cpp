#include <gtest/gtest.h>

#include "framework/ContextEnumeration.h"
#include "framework/ContextFormats.h"
#include "framework/DeviceSelection.h"
#include "framework/PhotoBookDeviceRules.h"

namespace {

// What Mesa's llvmpipe offers on a 24-bit 1920 x 1080 screen.
ContextOffer Llvmpipe() {
  ContextOffer offer;
  offer.renderer = "llvmpipe (LLVM 15.0.6, 256 bits)";
  offer.screenWidth = 1920;
  offer.screenHeight = 1080;
  offer.screenRefreshRate = 60;
  offer.screenDepth = 24;
  offer.colourBuffers = {{8, 8, 8, 8}, {8, 8, 8, 0}};
  offer.depthStencilBuffers = {{24, 8}, {24, 0}, {16, 0}};
  offer.sampleCounts = {4, 2};
  return offer;
}

TEST(ContextEnumerationTest, MapsBitsOntoSurfaceFormats) {
  EXPECT_EQ(ColourFormatOf({8, 8, 8, 8}), SurfaceFormat::A8R8G8B8);
  EXPECT_EQ(ColourFormatOf({8, 8, 8, 0}), SurfaceFormat::X8R8G8B8);
  EXPECT_EQ(ColourFormatOf({5, 6, 5, 0}), SurfaceFormat::R5G6B5);
  EXPECT_EQ(ColourFormatOf({10, 10, 10, 2}), SurfaceFormat::A2R10G10B10);
  EXPECT_EQ(ColourFormatOf({16, 16, 16, 16}), SurfaceFormat::Unknown);
  EXPECT_EQ(DepthStencilFormatOf({24, 8}), SurfaceFormat::D24S8);
  EXPECT_EQ(DepthStencilFormatOf({24, 8, true}), SurfaceFormat::D24FS8);
  EXPECT_EQ(DepthStencilFormatOf({24, 0}), SurfaceFormat::D24X8);
  EXPECT_EQ(DepthStencilFormatOf({16, 0}), SurfaceFormat::D16);
  EXPECT_EQ(DepthStencilFormatOf({32, 8, true}), SurfaceFormat::Unknown);
  EXPECT_EQ(ScreenFormatOf(24), SurfaceFormat::X8R8G8B8);
  EXPECT_EQ(ScreenFormatOf(32), SurfaceFormat::X8R8G8B8);
  EXPECT_EQ(ScreenFormatOf(16), SurfaceFormat::R5G6B5);
  EXPECT_EQ(ScreenFormatOf(0), SurfaceFormat::X8R8G8B8);
}

TEST(ContextEnumerationTest, TheRendererIsTheOneAdapterWithOneHardwareDevice) {
  const DeviceEnumeration enumeration = EnumerateContext(Llvmpipe(), {});
  ASSERT_EQ(enumeration.adapters.size(), 1u);
  const EnumeratedAdapter& adapter = enumeration.adapters[0];
  EXPECT_EQ(adapter.ordinal, 0u);
  EXPECT_EQ(adapter.description, "llvmpipe (LLVM 15.0.6, 256 bits)");
  const DisplayMode desktop{1920, 1080, 60, SurfaceFormat::X8R8G8B8};
  EXPECT_EQ(adapter.desktopMode, desktop);
  EXPECT_EQ(adapter.displayModes, std::vector<DisplayMode>{desktop});
  ASSERT_EQ(adapter.devices.size(), 1u);
  EXPECT_EQ(adapter.devices[0].caps.deviceType, DeviceType::Hardware);
  EXPECT_TRUE(adapter.devices[0].caps.hardwareTransformAndLight);
}

TEST(ContextEnumerationTest, EachColourFormatPairsWithTheScreenWindowedAndFullScreen) {
  ContextOffer offer = Llvmpipe();
  offer.colourBuffers.push_back({8, 8, 8, 8});
  offer.colourBuffers.push_back({16, 16, 16, 16});
  offer.depthStencilBuffers.push_back({32, 8, true});
  offer.sampleCounts = {4, 1, 2, 4, 32};
  offer.immediateSwap = false;
  const DeviceEnumeration enumeration = EnumerateContext(offer, {});
  const std::vector<DeviceCombo>& combos = enumeration.adapters[0].devices[0].combos;
  ASSERT_EQ(combos.size(), 4u);
  const SurfaceFormat order[] = {SurfaceFormat::A8R8G8B8, SurfaceFormat::X8R8G8B8};
  for (size_t i = 0; i < combos.size(); ++i) {
    EXPECT_EQ(combos[i].adapterFormat, SurfaceFormat::X8R8G8B8);
    EXPECT_EQ(combos[i].backBufferFormat, order[i % 2]);
    EXPECT_EQ(combos[i].windowed, i < 2);
    EXPECT_EQ(combos[i].depthStencilFormats,
              (std::vector{SurfaceFormat::D24S8, SurfaceFormat::D24X8, SurfaceFormat::D16}));
    ASSERT_EQ(combos[i].multisampleOptions.size(), 3u);
    EXPECT_EQ(combos[i].multisampleOptions[1].type, MultisampleType::Samples2);
    EXPECT_EQ(combos[i].multisampleOptions[2].type, MultisampleType::Samples4);
    EXPECT_EQ(combos[i].presentIntervals, (std::vector{PresentInterval::Default, PresentInterval::One}));
  }
}

TEST(ContextEnumerationTest, RecordsWhatEachFormatCanDo) {
  const DeviceEnumeration enumeration = EnumerateContext(Llvmpipe(), {});
  const auto supports = [&](FormatUse use, SurfaceFormat format, SurfaceFormat depthStencil) {
    return enumeration.formats.Supports({0, DeviceType::Hardware, SurfaceFormat::X8R8G8B8, use, format, depthStencil});
  };
  constexpr auto none = SurfaceFormat::Unknown;
  EXPECT_TRUE(supports(FormatUse::BlendingTexture, SurfaceFormat::A8R8G8B8, none));
  EXPECT_TRUE(supports(FormatUse::BlendingRenderTarget, SurfaceFormat::X8R8G8B8, none));
  EXPECT_TRUE(supports(FormatUse::RenderTarget, SurfaceFormat::X8R8G8B8, none));
  EXPECT_TRUE(supports(FormatUse::DepthStencil, SurfaceFormat::D16, none));
  EXPECT_TRUE(supports(FormatUse::DepthStencilMatch, SurfaceFormat::A8R8G8B8, SurfaceFormat::D24S8));
  EXPECT_FALSE(supports(FormatUse::RenderTarget, SurfaceFormat::R5G6B5, none));
  EXPECT_FALSE(supports(FormatUse::DepthStencil, SurfaceFormat::D32, none));
}

TEST(ContextEnumerationTest, ThePhotoBookRulesChooseD24S8AndTheClientSize) {
  ContextOffer offer = Llvmpipe();
  offer.colourBuffers.push_back({5, 6, 5, 0});
  const PhotoBookDeviceRules rules([] { return ClientSizeState{1000, 700}; });
  const DeviceEnumeration enumeration = EnumerateContext(offer, rules.Callbacks());
  ASSERT_EQ(enumeration.adapters.size(), 1u);
  EXPECT_EQ(enumeration.adapters[0].devices[0].combos.size(), 4u);

  SettingsSelection selection = FindValidDeviceSettings(enumeration, SettingsRequest::ForCreateDevice(true, 640, 480));
  ASSERT_TRUE(selection);
  testing::internal::CaptureStderr();
  EXPECT_TRUE(rules.ModifyDeviceSettings(selection.settings, enumeration.formats));
  testing::internal::GetCapturedStderr();
  const PresentParameters& present = selection.settings.present;
  EXPECT_EQ(present.backBufferFormat, SurfaceFormat::X8R8G8B8);
  EXPECT_EQ(present.autoDepthStencilFormat, SurfaceFormat::D24S8);
  EXPECT_EQ(present.backBufferWidth, 1000u);
  EXPECT_EQ(present.backBufferHeight, 700u);
  EXPECT_EQ(present.multisampleType, MultisampleType::None);
}

TEST(ContextEnumerationTest, AContextWithoutAnAcceptedDepthStencilHasNoDevice) {
  ContextOffer offer = Llvmpipe();
  offer.depthStencilBuffers = {{24, 0}, {16, 0}};
  const PhotoBookDeviceRules rules({});
  const DeviceEnumeration enumeration = EnumerateContext(offer, rules.Callbacks());
  EXPECT_TRUE(enumeration.adapters.empty());
  EXPECT_EQ(FindValidDeviceSettings(enumeration, SettingsRequest::ForCreateDevice(true, 640, 480)).status,
            FrameworkStatus::NoCompatibleDevices);
  offer.colourBuffers.clear();
  EXPECT_TRUE(EnumerateContext(offer, {}).adapters.empty());
}

}  // namespace
