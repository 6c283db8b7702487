#include <gtest/gtest.h>

#include <string>

#include "framework/PhotoBookDeviceRules.h"

namespace {

constexpr auto X8 = SurfaceFormat::X8R8G8B8;
constexpr auto A8 = SurfaceFormat::A8R8G8B8;

// Format facts of the hardware device of adapter 0 on an X8R8G8B8 desktop.
class PhotoBookDeviceRulesTest : public ::testing::Test {
 protected:
  void AddColour(SurfaceFormat colour) {
    for (FormatUse use : {FormatUse::BlendingTexture, FormatUse::BlendingRenderTarget, FormatUse::RenderTarget}) {
      Add(use, colour);
    }
  }
  void AddDepthStencil(SurfaceFormat depthStencil, SurfaceFormat colour = X8) {
    Add(FormatUse::DepthStencil, depthStencil);
    Add(FormatUse::DepthStencilMatch, colour, depthStencil);
  }
  void Add(FormatUse use, SurfaceFormat format, SurfaceFormat depthStencil = SurfaceFormat::Unknown) {
    formats_.Add({0, DeviceType::Hardware, X8, use, format, depthStencil});
  }
  // Everything but the facts of one use.
  void AddAllBut(FormatUse missing) {
    for (FormatUse use : {FormatUse::BlendingTexture, FormatUse::BlendingRenderTarget, FormatUse::RenderTarget}) {
      if (use != missing) Add(use, X8);
    }
    if (missing != FormatUse::DepthStencil) Add(FormatUse::DepthStencil, SurfaceFormat::D24S8);
    if (missing != FormatUse::DepthStencilMatch) Add(FormatUse::DepthStencilMatch, X8, SurfaceFormat::D24S8);
  }

  bool Accepts(SurfaceFormat backBuffer, bool windowed = true) const {
    return PhotoBookDeviceRules::IsDeviceAcceptable(DeviceCaps{}, formats_, X8, backBuffer, windowed);
  }

  // The settings a selection would hand over: windowed 640 x 480 with the default D32.
  static DeviceSettings Settings(bool windowed = true) {
    DeviceSettings settings;
    settings.adapterFormat = X8;
    settings.present.backBufferFormat = X8;
    settings.present.windowed = windowed;
    settings.present.backBufferWidth = 640;
    settings.present.backBufferHeight = 480;
    settings.present.backBufferCount = 2;
    settings.present.autoDepthStencilFormat = SurfaceFormat::D32;
    return settings;
  }

  DeviceSettings Modified(DeviceSettings settings, ClientSizeState sizes = {800, 600}) const {
    const PhotoBookDeviceRules rules([sizes] { return sizes; });
    testing::internal::CaptureStderr();
    EXPECT_TRUE(rules.ModifyDeviceSettings(settings, formats_));
    debugLines_ = testing::internal::GetCapturedStderr();
    return settings;
  }

  FormatSupport formats_;
  mutable std::string debugLines_;
};

TEST_F(PhotoBookDeviceRulesTest, AcceptsOnlyEightBitBackBuffersWithAlphaOrWithout) {
  for (SurfaceFormat colour : {X8, A8, SurfaceFormat::R5G6B5, SurfaceFormat::A2R10G10B10, SurfaceFormat::X8B8G8R8}) {
    AddColour(colour);
    AddDepthStencil(SurfaceFormat::D24S8, colour);
  }
  EXPECT_TRUE(Accepts(X8));
  EXPECT_TRUE(Accepts(A8, false));
  EXPECT_FALSE(Accepts(SurfaceFormat::R5G6B5));
  EXPECT_FALSE(Accepts(SurfaceFormat::A2R10G10B10));
  EXPECT_FALSE(Accepts(SurfaceFormat::X8B8G8R8));
}

TEST_F(PhotoBookDeviceRulesTest, NeedsBlendingAndEachOfTheThreeDepthStencilTests) {
  for (FormatUse missing : {FormatUse::BlendingTexture, FormatUse::BlendingRenderTarget, FormatUse::RenderTarget,
                            FormatUse::DepthStencil, FormatUse::DepthStencilMatch}) {
    formats_ = {};
    AddAllBut(missing);
    EXPECT_FALSE(Accepts(X8)) << "without use " << static_cast<int>(missing);
  }
  formats_ = {};
  AddAllBut(FormatUse::BlendingTexture);
  Add(FormatUse::BlendingTexture, X8);
  EXPECT_TRUE(Accepts(X8));
}

TEST_F(PhotoBookDeviceRulesTest, TestsOnTheDeviceAndAdapterFormatOfThePair) {
  AddColour(X8);
  AddDepthStencil(SurfaceFormat::D24S8);
  DeviceCaps reference;
  reference.deviceType = DeviceType::Reference;
  EXPECT_FALSE(PhotoBookDeviceRules::IsDeviceAcceptable(reference, formats_, X8, X8, true));
  EXPECT_FALSE(PhotoBookDeviceRules::IsDeviceAcceptable(DeviceCaps{}, formats_, SurfaceFormat::R5G6B5, X8, true));
  // A depth-stencil format that works with another colour format only does not count.
  formats_ = {};
  AddColour(X8);
  AddDepthStencil(SurfaceFormat::D24S8, A8);
  EXPECT_FALSE(Accepts(X8));
}

TEST_F(PhotoBookDeviceRulesTest, AcceptsAnyOfTheFourDepthStencilFormats) {
  for (SurfaceFormat depthStencil :
       {SurfaceFormat::D24S8, SurfaceFormat::D24X4S4, SurfaceFormat::D15S1, SurfaceFormat::D24FS8}) {
    formats_ = {};
    AddColour(X8);
    AddDepthStencil(depthStencil);
    EXPECT_TRUE(Accepts(X8)) << static_cast<int>(depthStencil);
  }
  for (SurfaceFormat depthStencil : {SurfaceFormat::D16, SurfaceFormat::D24X8, SurfaceFormat::D32}) {
    formats_ = {};
    AddColour(X8);
    AddDepthStencil(depthStencil);
    EXPECT_FALSE(Accepts(X8)) << static_cast<int>(depthStencil);
  }
}

TEST_F(PhotoBookDeviceRulesTest, ChoosesTheDepthStencilInItsOwnOrder) {
  AddColour(X8);
  AddDepthStencil(SurfaceFormat::D15S1);
  EXPECT_EQ(Modified(Settings()).present.autoDepthStencilFormat, SurfaceFormat::D15S1);
  // D24FS8 comes before D15S1 here, unlike in the acceptance order.
  AddDepthStencil(SurfaceFormat::D24FS8);
  EXPECT_EQ(Modified(Settings()).present.autoDepthStencilFormat, SurfaceFormat::D24FS8);
  AddDepthStencil(SurfaceFormat::D24X4S4);
  EXPECT_EQ(Modified(Settings()).present.autoDepthStencilFormat, SurfaceFormat::D24X4S4);
  AddDepthStencil(SurfaceFormat::D24S8);
  EXPECT_EQ(Modified(Settings()).present.autoDepthStencilFormat, SurfaceFormat::D24S8);
}

TEST_F(PhotoBookDeviceRulesTest, KeepsTheDepthStencilWhenNonePasses) {
  AddColour(X8);
  AddDepthStencil(SurfaceFormat::D24S8, A8);
  EXPECT_EQ(Modified(Settings()).present.autoDepthStencilFormat, SurfaceFormat::D32);
}

TEST_F(PhotoBookDeviceRulesTest, WindowedBackBufferTakesTheClientSize) {
  const DeviceSettings settings = Modified(Settings(), {1000, 700});
  EXPECT_EQ(settings.present.backBufferWidth, 1000u);
  EXPECT_EQ(settings.present.backBufferHeight, 700u);
  EXPECT_EQ(debugLines_, "New Backbuffer: 1000 x 700 pixels\n");
}

TEST_F(PhotoBookDeviceRulesTest, InFullScreenTheRememberedClientSizeIsUsedUnlessZero) {
  const DeviceSettings remembered = Modified(Settings(), {1920, 1080, true, 1024, 768});
  EXPECT_EQ(remembered.present.backBufferWidth, 1024u);
  EXPECT_EQ(remembered.present.backBufferHeight, 768u);
  const DeviceSettings none = Modified(Settings(), {1920, 1080, true, 0, 0});
  EXPECT_EQ(none.present.backBufferWidth, 1920u);
  EXPECT_EQ(none.present.backBufferHeight, 1080u);
  // Outside full screen a remembered size plays no part.
  EXPECT_EQ(Modified(Settings(), {900, 500, false, 1024, 768}).present.backBufferWidth, 900u);
}

TEST_F(PhotoBookDeviceRulesTest, AMinimisedWindowLeavesTheSize) {
  const DeviceSettings settings = Modified(Settings(), {0, 0});
  EXPECT_EQ(settings.present.backBufferWidth, 640u);
  EXPECT_EQ(settings.present.backBufferHeight, 480u);
  EXPECT_EQ(debugLines_, "New Backbuffer: 640 x 480 pixels\n");
  EXPECT_EQ(Modified(Settings(), {300, 0}).present.backBufferWidth, 640u);
}

TEST_F(PhotoBookDeviceRulesTest, AFullScreenDeviceKeepsItsSize) {
  const DeviceSettings settings = Modified(Settings(false), {800, 600, true, 1024, 768});
  EXPECT_EQ(settings.present.backBufferWidth, 640u);
  EXPECT_EQ(settings.present.backBufferHeight, 480u);
}

TEST_F(PhotoBookDeviceRulesTest, OneBackBufferPresentedByCopying) {
  for (bool windowed : {true, false}) {
    const DeviceSettings settings = Modified(Settings(windowed));
    EXPECT_EQ(settings.present.backBufferCount, 1u);
    EXPECT_EQ(settings.present.swapEffect, SwapEffect::Copy);
  }
}

TEST_F(PhotoBookDeviceRulesTest, CallbacksCarryBothRules) {
  AddColour(X8);
  AddDepthStencil(SurfaceFormat::D24S8);
  const PhotoBookDeviceRules rules([] { return ClientSizeState{320, 240}; });
  const DeviceCallbacks callbacks = rules.Callbacks();
  EXPECT_TRUE(callbacks.Accepts(DeviceCaps{}, formats_, X8, X8, true));
  EXPECT_FALSE(callbacks.Accepts(DeviceCaps{}, formats_, X8, SurfaceFormat::R5G6B5, true));
  DeviceSettings settings = Settings();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(callbacks.Modify(settings, formats_));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(settings.present.backBufferWidth, 320u);
  EXPECT_EQ(settings.present.autoDepthStencilFormat, SurfaceFormat::D24S8);
}

}  // namespace
