#include <gtest/gtest.h>

#include <algorithm>

#include "FrameSink.h"
#include "TestVideoSource.h"
#include "platform/media/ColourConverter.h"
#include "platform/media/FilterGraph.h"
#include "support/MovieProbe.h"
#include "platform/media/RawVideoSubtype.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace {

constexpr int kWidth = 8;
constexpr int kHeight = 4;

// Source -> (converter) -> a sink taking only wanted; two red-over-blue frames sent.
class ConversionRig {
 public:
  explicit ConversionRig(AVPixelFormat wanted)
      : source_(MakeCom<TestVideoSource>(kWidth, kHeight, 400000)), sink_(MakeCom<FrameSink>(wanted)) {
    CreateFilterGraph(graph_.Receive());
    graph_->AddFilter(source_.Get(), u"Source");
    graph_->AddFilter(sink_.Get(), u"Sink");
  }
  ~ConversionRig() { Control()->Stop(); }

  HRESULT Run() {
    const std::vector<uint8_t> frame = RedOverBlueFrame(kWidth, kHeight, kWidth * 3);
    return Run({frame, frame});
  }
  HRESULT Run(const std::vector<std::vector<uint8_t>>& frames) {
    ComPtr<IPin> input;
    sink_->FindPin(u"In", input.Receive());
    HRESULT hr = graph_->Connect(&source_->Output(), input.Get());
    if (SUCCEEDED(hr)) hr = Control()->Run();
    for (size_t i = 0; i < frames.size() && SUCCEEDED(hr); ++i) hr = source_->Push(frames[i]);
    Control()->Stop();
    return hr;
  }
  ComPtr<IMediaControl> Control() {
    ComPtr<IMediaControl> control;
    graph_.As(control);
    return control;
  }
  const std::vector<FrameSink::Frame>& Frames() const { return sink_->frames; }

 private:
  ComPtr<TestVideoSource> source_;
  ComPtr<FrameSink> sink_;
  ComPtr<IGraphBuilder> graph_;
};

// The channel values of pixel (x, y) of a planar 4:2:0 frame laid out without padding.
struct Yuv {
  int y, u, v;
};
Yuv YuvAt(const std::vector<uint8_t>& frame, int x, int y) {
  const size_t lumaSize = kWidth * kHeight;
  const size_t chromaAt = (y / 2) * (kWidth / 2) + x / 2;
  return {frame[y * kWidth + x], frame[lumaSize + chromaAt], frame[lumaSize + lumaSize / 4 + chromaAt]};
}

void ExpectNear(Yuv actual, Yuv expected) {
  EXPECT_NEAR(actual.y, expected.y, 2);
  EXPECT_NEAR(actual.u, expected.u, 2);
  EXPECT_NEAR(actual.v, expected.v, 2);
}

}  // namespace

TEST(ColourConverterTest, MakesI420InTheLimitedRangeAndKeepsTheTimes) {
  ConversionRig rig(AV_PIX_FMT_YUV420P);
  ASSERT_EQ(rig.Run(), S_OK);
  ASSERT_EQ(rig.Frames().size(), 2u);
  const FrameSink::Frame& second = rig.Frames()[1];
  ASSERT_EQ(second.bytes.size(), size_t{kWidth * kHeight * 3 / 2});
  // BT.601 studio range: red is (81, 90, 240), blue (41, 240, 110); the top row is red.
  ExpectNear(YuvAt(second.bytes, 4, 0), {81, 90, 240});
  ExpectNear(YuvAt(second.bytes, 4, kHeight - 1), {41, 240, 110});
  EXPECT_EQ(second.start, 400000);
  EXPECT_EQ(second.end, 800000);
  EXPECT_TRUE(second.sync);
}

TEST(ColourConverterTest, AFrameEqualToTheLastGivesTheSameConversionAndAChangedOneItsOwn) {
  const std::vector<uint8_t> still = RedOverBlueFrame(kWidth, kHeight, kWidth * 3);
  // The change is in the last bytes sent (the top row's right end), where a comparison that
  // stops short would miss it.
  std::vector<uint8_t> changed = still;
  std::fill(changed.end() - 6, changed.end(), uint8_t{255});
  ConversionRig rig(AV_PIX_FMT_YUV420P);
  ASSERT_EQ(rig.Run({still, still, changed, still}), S_OK);
  ASSERT_EQ(rig.Frames().size(), 4u);
  EXPECT_EQ(rig.Frames()[1].bytes, rig.Frames()[0].bytes);
  EXPECT_EQ(rig.Frames()[3].bytes, rig.Frames()[0].bytes);
  EXPECT_EQ(rig.Frames()[3].start, 3 * 400000);
  EXPECT_NEAR(YuvAt(rig.Frames()[2].bytes, kWidth - 1, 0).y, 235, 2);  // white
  ExpectNear(YuvAt(rig.Frames()[3].bytes, kWidth - 1, 0), {81, 90, 240});
}

TEST(ColourConverterTest, MakesFullRangeYuvForTheJpegFormats) {
  ConversionRig rig(AV_PIX_FMT_YUVJ420P);
  ASSERT_EQ(rig.Run(), S_OK);
  ASSERT_EQ(rig.Frames().size(), 2u);
  // BT.601 full range: red is (76, 85, 255), blue (29, 255, 107).
  ExpectNear(YuvAt(rig.Frames()[0].bytes, 4, 0), {76, 85, 255});
  ExpectNear(YuvAt(rig.Frames()[0].bytes, 4, kHeight - 1), {29, 255, 107});
}

TEST(ColourConverterTest, Rgb32ComesBottomRowFirstLikeTheSource) {
  ConversionRig rig(AV_PIX_FMT_BGR0);
  ASSERT_EQ(rig.Run(), S_OK);
  ASSERT_EQ(rig.Frames().size(), 2u);
  const std::vector<uint8_t>& frame = rig.Frames()[0].bytes;
  ASSERT_EQ(frame.size(), size_t{kWidth * kHeight * 4});
  const auto pixel = [&frame](int x, int row) {
    return std::vector<int>(&frame[(row * kWidth + x) * 4], &frame[(row * kWidth + x) * 4 + 3]);
  };
  EXPECT_EQ(pixel(4, 0), (std::vector<int>{255, 0, 0}));            // bottom row: blue (B, G, R)
  EXPECT_EQ(pixel(4, kHeight - 1), (std::vector<int>{0, 0, 255}));  // top row: red
  EXPECT_EQ(pixel(0, kHeight - 1), (std::vector<int>{0, 255, 0}));  // green column on the left
}

TEST(ColourConverterTest, OffersTheSameFramesInEveryFormatLosslessOnesFirstThen420) {
  ComPtr<ColourConverter> converter = MakeCom<ColourConverter>();
  ComPtr<TestVideoSource> source = MakeCom<TestVideoSource>(641, 480, 333667);
  ComPtr<IPin> input;
  ComPtr<IPin> output;
  ASSERT_EQ(converter->FindPin(u"Input", input.Receive()), S_OK);
  ASSERT_EQ(converter->FindPin(u"XForm Out", output.Receive()), S_OK);
  std::vector<MediaType> offered;
  converter->GetMediaTypes(*static_cast<OutputPin*>(output.Get()), &offered);
  EXPECT_TRUE(offered.empty());  // nothing to say before the input is known
  ASSERT_EQ(source->Output().Connect(input.Get(), nullptr), S_OK);

  converter->GetMediaTypes(*static_cast<OutputPin*>(output.Get()), &offered);
  ASSERT_GT(offered.size(), 50u);
  std::vector<AVPixelFormat> formats;
  for (const MediaType& type : offered) {
    RawVideoFormat format;
    ASSERT_TRUE(RawVideoFormat::FromMediaType(type.get(), &format));
    EXPECT_EQ(format.width, 641);
    EXPECT_EQ(format.height, 480);
    EXPECT_EQ(format.frameTime, 333667);
    EXPECT_EQ(output->QueryAccept(&type.get()), S_OK);
    formats.push_back(format.pixelFormat);
  }
  EXPECT_EQ(av_get_pix_fmt_loss(formats.front(), AV_PIX_FMT_BGR24, 0), 0);
  const auto at = [&formats](AVPixelFormat f) {
    return std::find(formats.begin(), formats.end(), f) - formats.begin();
  };
  EXPECT_LT(at(AV_PIX_FMT_BGR0), at(AV_PIX_FMT_YUV420P));
  EXPECT_EQ(at(AV_PIX_FMT_YUV420P) + 1, at(AV_PIX_FMT_YUVJ420P));
  EXPECT_LT(at(AV_PIX_FMT_YUVJ420P), at(AV_PIX_FMT_YUYV422));
  EXPECT_LT(at(AV_PIX_FMT_YUVJ420P), at(AV_PIX_FMT_YUV444P));

  // The converter only converts: other sizes or rates are not its to make.
  RawVideoFormat other{AV_PIX_FMT_YUV420P, 640, 480, 333667};
  EXPECT_EQ(output->QueryAccept(&other.ToMediaType().get()), S_FALSE);
  other = {AV_PIX_FMT_YUV420P, 641, 480, 400000};
  EXPECT_EQ(output->QueryAccept(&other.ToMediaType().get()), S_FALSE);
  source->Output().Disconnect();
  input->Disconnect();
}
