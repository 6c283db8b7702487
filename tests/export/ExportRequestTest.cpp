#include "export/ExportRequest.h"

#include <gtest/gtest.h>

#include <cmath>

#include "settings/Settings.h"

namespace {

ExportRequest Valid() {
  ExportRequest request;
  request.width = 640;
  request.height = 480;
  request.fps = 25.0f;
  request.pixelAspect = 1.0f;
  return request;
}

}  // namespace

TEST(ExportRequestTest, SizeRateAndAspectMustLieInTheirRanges) {
  EXPECT_TRUE(Valid().InRange());
  const auto with = [](auto change) {
    ExportRequest request = Valid();
    change(request);
    return request.InRange();
  };
  EXPECT_TRUE(with([](ExportRequest& r) { r.width = 64, r.height = 5000; }));
  EXPECT_FALSE(with([](ExportRequest& r) { r.width = 63; }));
  EXPECT_FALSE(with([](ExportRequest& r) { r.height = 5001; }));
  EXPECT_TRUE(with([](ExportRequest& r) { r.fps = 100.0f; }));
  EXPECT_FALSE(with([](ExportRequest& r) { r.fps = 0.0f; }));
  EXPECT_FALSE(with([](ExportRequest& r) { r.fps = 100.5f; }));
  EXPECT_FALSE(with([](ExportRequest& r) { r.fps = std::nanf(""); }));
  EXPECT_TRUE(with([](ExportRequest& r) { r.pixelAspect = 10.0f; }));
  EXPECT_FALSE(with([](ExportRequest& r) { r.pixelAspect = -1.0f; }));
  EXPECT_FALSE(with([](ExportRequest& r) { r.pixelAspect = std::nanf(""); }));
}

TEST(ExportRequestTest, TakesTheCompressorOnlyForCompressedMovies) {
  Settings settings{SettingsEnvironment{}};
  settings.EncoderName = u"Motion JPEG";
  settings.ExportType = 0;
  EXPECT_EQ(ExportRequest::FromSettings(settings).encoderName, u"");
  settings.ExportType = 1;
  EXPECT_EQ(ExportRequest::FromSettings(settings).encoderName, u"Motion JPEG");
  settings.AntialiasingQuality = 5;
  settings.TimePage = 3;
  settings.RenderTransparentPage = false;
  const ExportRequest request = ExportRequest::FromSettings(settings);
  EXPECT_TRUE(request.ScreenGrab());
  EXPECT_EQ(request.timing.pageSeconds(), 3);
  EXPECT_FALSE(request.turnInterleaf);
}
