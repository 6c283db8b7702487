#include <gtest/gtest.h>

#include <filesystem>

#include "platform/com/ComPtr.h"
#include "platform/media/FilterPins.h"
#include "platform/media/RawVideoFormat.h"
#include "platform/media/VideoCompressorFilter.h"

namespace {

const MovieEncoder::Options kOptions{{"crf", "20"}, {"preset", "ultrafast"}, {"flags", "+global_header"}};
const MovieEncoder::Options kNvencOptions{{"cq", "23"}, {"preset", "p4"}, {"rc", "vbr"}, {"flags", "+global_header"}};
const MovieEncoder::Options kVaapiOptions{
    {"qp", "20"}, {"compression_level", "4"}, {"rc_mode", "CQP"}, {"flags", "+global_header"}};

MediaType Frames(AVPixelFormat format) { return RawVideoFormat{format, 64, 64, 400000}.ToMediaType(); }

std::u16string AboutOf(VideoCompressorFilter& filter) {
  std::u16string about;
  filter.GetAboutText(&about);
  return about;
}

// A hardware encoder is tried as the movie's frames connect; when it will not open (no such
// device here), the software one after it takes the movie, and nothing but 4:2:0 is taken.
TEST(MovieEncoderFilterTest, AHardwareEncoderThatWillNotOpenFallsBackToTheSoftwareOne) {
  if (std::filesystem::exists("/dev/nvidiactl")) GTEST_SKIP() << "this machine has an NVIDIA device";
  auto fallback = MakeCom<VideoCompressorFilter>(
      u"H.264 (NVENC)", std::vector<EncoderAttempt>{{"h264_nvenc", kNvencOptions}, {"libx264", kOptions}});
  ComPtr<IPin> input = FirstFreePin(fallback.Get(), PINDIR_INPUT);
  ASSERT_TRUE(input);
  EXPECT_NE(input->QueryAccept(&Frames(AV_PIX_FMT_BGR24).get()), S_OK);
  EXPECT_NE(input->QueryAccept(&Frames(AV_PIX_FMT_YUV444P).get()), S_OK);
  EXPECT_EQ(input->QueryAccept(&Frames(AV_PIX_FMT_YUV420P).get()), S_OK);
  EXPECT_NE(AboutOf(*fallback.Get()).find(u"Encoder: libx264 (FFmpeg)"), std::u16string::npos);

  auto alone = MakeCom<VideoCompressorFilter>(u"H.264 (NVENC)",
                                              std::vector<EncoderAttempt>{{"h264_nvenc", kNvencOptions}});
  ComPtr<IPin> aloneInput = FirstFreePin(alone.Get(), PINDIR_INPUT);
  EXPECT_NE(aloneInput->QueryAccept(&Frames(AV_PIX_FMT_YUV420P).get()), S_OK);
}

// VAAPI encoders take their pictures from video memory: without a render device the surfaces
// cannot be made, the encoder does not open, and the software one takes the movie.
TEST(MovieEncoderFilterTest, AVaapiEncoderWithoutADeviceFallsBackToTheSoftwareOne) {
  if (std::filesystem::exists("/dev/dri/renderD128")) GTEST_SKIP() << "this machine has a render device";
  auto fallback = MakeCom<VideoCompressorFilter>(
      u"H.264 (VAAPI)", std::vector<EncoderAttempt>{{"h264_vaapi", kVaapiOptions}, {"libx264", kOptions}});
  ComPtr<IPin> input = FirstFreePin(fallback.Get(), PINDIR_INPUT);
  ASSERT_TRUE(input);
  EXPECT_EQ(input->QueryAccept(&Frames(AV_PIX_FMT_YUV420P).get()), S_OK);
  EXPECT_NE(AboutOf(*fallback.Get()).find(u"Encoder: libx264 (FFmpeg)"), std::u16string::npos);

  auto alone = MakeCom<VideoCompressorFilter>(u"H.264 (VAAPI)",
                                              std::vector<EncoderAttempt>{{"h264_vaapi", kVaapiOptions}});
  ComPtr<IPin> aloneInput = FirstFreePin(alone.Get(), PINDIR_INPUT);
  EXPECT_NE(aloneInput->QueryAccept(&Frames(AV_PIX_FMT_YUV420P).get()), S_OK);
}

}  // namespace
