#include "cli/ExportOptions.h"

#include <gtest/gtest.h>

#include "settings/Settings.h"

namespace {

ParsedExportOptions Parse(std::vector<std::string> arguments) { return ParseExportOptions(arguments); }

Settings Applied(const ExportOptions& options) {
  Settings settings{SettingsEnvironment{}};
  std::string error;
  EXPECT_TRUE(options.ApplyTo(settings, error)) << error;
  return settings;
}

}  // namespace

TEST(ExportOptionsTest, ReadsPositionalsAndValuesInBothForms) {
  const auto parsed = Parse({"photos", "out.avi", "--width", "320", "--height=240", "--fps", "29.97", "--par=8:9",
                             "--antialiasing", "3", "--encoder", "Motion JPEG", "--time-page", "1", "--time-zoom=2",
                             "--time-view", "20", "--interleaf", "off", "--sort", "date", "--texture-quality", "0"});
  ASSERT_TRUE(parsed.ok) << parsed.error;
  const Settings settings = Applied(parsed.options);
  EXPECT_EQ(parsed.options.folder, u"photos");
  EXPECT_EQ(parsed.options.output, u"out.avi");
  EXPECT_EQ(settings.ExportWidth, 320);
  EXPECT_EQ(settings.ExportHeight, 240);
  EXPECT_FLOAT_EQ(settings.ExportFPS, 29.97f);
  EXPECT_FLOAT_EQ(settings.ExportPAR, 8.0f / 9.0f);
  EXPECT_EQ(settings.AntialiasingQuality, 3);
  EXPECT_EQ(settings.ExportType, 1);
  EXPECT_EQ(settings.EncoderName, u"Motion JPEG");
  EXPECT_EQ(settings.TimePage, 1);
  EXPECT_EQ(settings.TimeZoom, 2);
  EXPECT_EQ(settings.TimeView, 20);
  EXPECT_FALSE(settings.RenderTransparentPage);
  EXPECT_EQ(settings.Sort, 1);
  EXPECT_EQ(settings.Quality, 0);
}

TEST(ExportOptionsTest, RefusesValuesOutsideTheDialogsRanges) {
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--width", "63"}, {"--height", "5001"}, {"--width", "12x"}, {"--fps", "0"}, {"--fps", "100.5"},
           {"--fps", "fast"}, {"--par", "0:1"}, {"--par", "11"}, {"--antialiasing", "5"}, {"--antialiasing", "0"},
           {"--time-page", "21"}, {"--time-view", "0"}, {"--interleaf", "yes"}, {"--sort", "size"},
           {"--texture-quality", "3"}, {"--quality", "x"}, {"--preset", "HD 1920 x 1081"}, {"--bogus", "1"}, {"--width"}}) {
    std::vector<std::string> arguments{"photos", "out.avi"};
    arguments.insert(arguments.end(), bad.begin(), bad.end());
    const auto parsed = Parse(arguments);
    EXPECT_FALSE(parsed.ok) << bad[0];
    EXPECT_FALSE(parsed.error.empty()) << bad[0];
  }
  EXPECT_FALSE(Parse({"photos"}).ok);
  EXPECT_FALSE(Parse({"a", "b", "c"}).ok);
  EXPECT_FALSE(Parse({"a", "b", "--par", "1", "--dar", "4:3"}).ok);
}

// Either binding can be asked for over what the settings file says; without either it stays.
TEST(ExportOptionsTest, TheBindingFlagsOverrideTheSettingsAndTheLastOneWins) {
  EXPECT_TRUE(Applied(Parse({"photos", "out.avi", "--right-to-left"}).options).RightToLeftBook);
  EXPECT_FALSE(Applied(Parse({"photos", "out.avi", "--right-to-left", "--left-to-right"}).options).RightToLeftBook);
  Settings bound{SettingsEnvironment{}};
  bound.RightToLeftBook = true;
  std::string error;
  ASSERT_TRUE(Parse({"photos", "out.avi"}).options.ApplyTo(bound, error)) << error;
  EXPECT_TRUE(bound.RightToLeftBook);
  ASSERT_TRUE(Parse({"photos", "out.avi", "--left-to-right"}).options.ApplyTo(bound, error)) << error;
  EXPECT_FALSE(bound.RightToLeftBook);
  EXPECT_FALSE(Parse({"photos", "out.avi", "--right-to-left=yes"}).ok);
}

TEST(ExportOptionsTest, PresetFirstThenSingleOptionsAndTheDisplayAspectForTheFinalSize) {
  const auto parsed = Parse({"--fps", "10", "--preset", "SD PAL DVD Widescreen", "p", "o.avi"});
  ASSERT_TRUE(parsed.ok) << parsed.error;
  const Settings settings = Applied(parsed.options);
  EXPECT_EQ(settings.ExportWidth, 720);
  EXPECT_EQ(settings.ExportHeight, 576);
  EXPECT_NEAR(settings.ExportPAR, 1.4222223f, 1e-5);
  EXPECT_FLOAT_EQ(settings.ExportFPS, 10.0f);

  const Settings square = Applied(Parse({"p", "o.avi", "--width", "640", "--height", "360", "--dar", "16:9"}).options);
  EXPECT_NEAR(square.ExportPAR, 1.0f, 1e-6);
  Settings settings2{SettingsEnvironment{}};
  std::string error;
  EXPECT_FALSE(Parse({"p", "o.avi", "--width", "64", "--height", "5000", "--dar", "16:9"}).options.ApplyTo(settings2, error));
  EXPECT_NE(error.find("--dar"), std::string::npos);
}

TEST(ExportOptionsTest, NoneMeansFullFramesAndTheStopOptionsNeedNoFiles) {
  const Settings settings = Applied(Parse({"p", "o.avi", "--encoder", "none"}).options);
  EXPECT_EQ(settings.ExportType, 0);
  EXPECT_EQ(settings.EncoderName, u"");
  EXPECT_TRUE(Parse({"--help"}).options.help);
  EXPECT_TRUE(Parse({"--list-encoders"}).options.listEncoders);
  EXPECT_FALSE(Parse({"--help=1"}).ok);
  // After "--" a name starting with a dash is a file.
  EXPECT_EQ(Parse({"--", "-photos", "o.avi"}).options.folder, u"-photos");
  EXPECT_NE(ExportOptionsHelp().find("--time-zoom SECONDS"), std::string::npos);
  EXPECT_NE(ExportOptionsHelp().find("HD 1920 x 1080"), std::string::npos);
}

TEST(ExportOptionsTest, TheOutputsContainerTakesPlainOrShortEncoderNamesWithQualityAndSpeed) {
  Settings settings = Applied(Parse({"p", "o.mp4", "--encoder", "hevc", "--quality", "28", "--speed=fast"}).options);
  EXPECT_EQ(settings.MovieEncoder, u"H.265 (HEVC)");
  EXPECT_EQ(settings.MovieQuality.at(u"H.265 (HEVC)"), 28);
  EXPECT_EQ(settings.MovieSpeed.at(u"H.265 (HEVC)"), u"fast");
  EXPECT_EQ(settings.ExportType, 0);
  EXPECT_TRUE(settings.EncoderName.empty());
  settings = Applied(Parse({"p", "o.webm", "--quality", "40"}).options);
  EXPECT_EQ(settings.MovieEncoder, u"VP9");
  EXPECT_EQ(settings.MovieQuality.at(u"VP9"), 40);
  EXPECT_EQ(Applied(Parse({"p", "o.mkv", "--encoder", "AV1"}).options).MovieEncoder, u"AV1");
}

TEST(ExportOptionsTest, AnEncoderQualityOrSpeedThatDoesNotFitIsRefusedWithWhatWouldFit) {
  struct Case {
    std::vector<std::string> arguments;
    std::string error;
  };
  const Case cases[] = {
      {{"p", "o.webm", "--encoder", "h264"}, "--encoder for WebM movies takes one of VP9, AV1, not \"h264\""},
      {{"p", "o.mp4", "--encoder", "none"}, "--encoder for MP4 movies takes one of H.264, H.265 (HEVC), AV1, VP9, not \"\""},
      {{"p", "o.mp4", "--quality", "52"}, "--quality for H.264 takes a whole number from 0 to 51, not 52"},
      {{"p", "o.mkv", "--encoder", "vp9", "--speed", "fast"},
       "--speed for VP9 takes one of 8, 7, 6, 5, 4, 3, 2, 1, 0, not \"fast\""},
      {{"p", "o.avi", "--quality", "20"}, "--quality and --speed are for MP4, Matroska and WebM movies, not AVI"},
  };
  for (const Case& c : cases) {
    const ParsedExportOptions parsed = Parse(c.arguments);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    Settings settings{SettingsEnvironment{}};
    std::string error;
    EXPECT_FALSE(parsed.options.ApplyTo(settings, error)) << c.arguments[1];
    EXPECT_EQ(error, c.error);
  }
  EXPECT_FALSE(Parse({"p", "o.mp4", "--quality", "high"}).ok);
}
