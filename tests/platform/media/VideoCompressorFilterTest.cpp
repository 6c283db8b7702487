#include <gtest/gtest.h>

#include <algorithm>

#include "FrameSink.h"
#include "MovieGraph.h"
#include "platform/media/AviContainer.h"
#include "platform/media/FilterGraph.h"
#include "platform/media/FilterPins.h"
#include "platform/media/IEncoderSettings.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/MediaObjectFactory.h"
#include "support/MovieProbe.h"
#include "platform/media/VideoCompressorFilter.h"
#include "platform/media/VideoCompressorList.h"
#include "platform/sys/StringConvert.h"
#include "support/TempFolder.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// The friendly name the list shows an FFmpeg encoder under; empty when it is not installed.
std::u16string NameOf(const std::string& encoder) {
  const VideoCompressorList installed = VideoCompressorList::Installed();
  for (const VideoCompressor& entry : installed.entries()) {
    if (entry.ffmpegName == encoder) return entry.friendlyName;
  }
  return {};
}

ComPtr<IEncoderSettings> SettingsOf(const std::u16string& name) {
  ComPtr<IBaseFilter> filter;
  ComPtr<IEncoderSettings> settings;
  if (SUCCEEDED(BindVideoCompressor(name, filter.Receive()))) filter.As(settings);
  return settings;
}

const EncoderOption* Find(const std::vector<EncoderOption>& options, const std::string& name) {
  auto found = std::find_if(options.begin(), options.end(), [&](const EncoderOption& o) { return o.name == name; });
  return found == options.end() ? nullptr : &*found;
}

std::string ValueOf(const std::u16string& compressor, const std::string& name) {
  std::vector<EncoderOption> options;
  SettingsOf(compressor)->GetOptions(&options);
  const EncoderOption* option = Find(options, name);
  return option != nullptr ? option->value : "(none)";
}

// Rows of the upper half one grey, the lower half another, bottom row first as captured.
std::vector<uint8_t> GreyHalves(int width, int height, size_t stride, uint8_t upper, uint8_t lower) {
  std::vector<uint8_t> frame(stride * height, 0);
  for (int row = 0; row < height; ++row) {
    std::fill_n(frame.begin() + static_cast<ptrdiff_t>(stride * row), width * 3, row >= height / 2 ? upper : lower);
  }
  return frame;
}

// Detail an encoder has to spend bits on: a fixed pseudo-random pattern.
std::vector<uint8_t> NoiseFrame(size_t bytes) {
  std::vector<uint8_t> frame(bytes);
  uint32_t state = 12345;
  for (uint8_t& byte : frame) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<uint8_t>(state >> 24);
  }
  return frame;
}

struct Movie {
  HRESULT built = E_FAIL;
  HRESULT written = E_FAIL;
  bool converted = false;
};

// Writes count copies of frame through the named compressor; the end of the stream is sent
// unless the graph is only stopped.
Movie WriteMovie(const std::u16string& path, const std::u16string& compressor, int width, int height,
                 const std::vector<uint8_t>& frame, int count, bool endStream = true) {
  Movie movie;
  MovieGraph graph(width, height);
  graph.Source().endOnStop = false;
  movie.built = graph.Build(path, compressor);
  movie.converted = graph.HasConverter();
  HRESULT hr = movie.built;
  if (SUCCEEDED(hr)) hr = graph.Run();
  if (SUCCEEDED(hr)) hr = graph.Push(frame, count);
  if (SUCCEEDED(hr) && endStream) hr = graph.Source().EndStream();
  const HRESULT stopped = graph.Stop();
  movie.written = FAILED(hr) ? hr : stopped;
  return movie;
}

bool IsRed(Rgb pixel) { return pixel.r > 200 && pixel.g < 60 && pixel.b < 60; }
bool IsBlue(Rgb pixel) { return pixel.b > 200 && pixel.r < 60 && pixel.g < 60; }
bool IsGrey(Rgb pixel, int level) {
  const auto near = [level](int channel) { return channel >= level - 5 && channel <= level + 5; };
  return near(pixel.r) && near(pixel.g) && near(pixel.b);
}

class VideoCompressorFilterTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const char* encoder : {"mpeg4", "mjpeg"}) {
      if (auto settings = SettingsOf(NameOf(encoder))) settings->ResetOptions();
    }
  }

  TempFolder folder_;
};

TEST_F(VideoCompressorFilterTest, Mpeg4MovieGoesThroughTheConverterAndComesBackUpright) {
  const auto path = folder_ / u"mpeg4.avi";
  const Movie movie = WriteMovie(path, NameOf("mpeg4"), 64, 48, RedOverBlueFrame(64, 48, 64 * 3), 3);
  ASSERT_EQ(movie.built, S_OK);
  EXPECT_EQ(movie.written, S_OK);
  EXPECT_TRUE(movie.converted);
  const ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "mpeg4");
  EXPECT_EQ(stream.width, 64);
  EXPECT_EQ(stream.height, 48);
  EXPECT_EQ(stream.frameRate, "25/1");
  EXPECT_EQ(stream.frames, 3);
  const std::string rgb = DecodeToRgb(path);
  ASSERT_EQ(rgb.size(), size_t{3} * 64 * 48 * 3);
  EXPECT_TRUE(IsRed(PixelOf(rgb, 64, 48, 2, 32, 4)));
  EXPECT_TRUE(IsBlue(PixelOf(rgb, 64, 48, 2, 32, 44)));
  EXPECT_TRUE(IsRed(PixelOf(rgb, 64, 48, 0, 60, 8)));
}

TEST_F(VideoCompressorFilterTest, YuvMoviesKeepTheirGreyLevelsInFullAndLimitedRange) {
  // A range mix-up moves these greys by 10 or more: limited values read as full or the reverse.
  for (const char* encoder : {"mjpeg", "mpeg4"}) {
    const auto path = folder_ / (FromUtf8(encoder) + u".avi");
    const Movie movie = WriteMovie(path, NameOf(encoder), 64, 48, GreyHalves(64, 48, 192, 200, 40), 2);
    ASSERT_EQ(movie.written, S_OK) << encoder;
    EXPECT_EQ(ProbeMovie(path).codec, encoder);
    const std::string rgb = DecodeToRgb(path);
    ASSERT_EQ(rgb.size(), size_t{2} * 64 * 48 * 3) << encoder;
    EXPECT_TRUE(IsGrey(PixelOf(rgb, 64, 48, 1, 20, 8), 200)) << encoder;
    EXPECT_TRUE(IsGrey(PixelOf(rgb, 64, 48, 1, 20, 40), 40)) << encoder;
  }
}

TEST_F(VideoCompressorFilterTest, H264MovieHasEveryFrameTheEncoderHeldBack) {
  const std::u16string name = NameOf("libx264");
  if (name.empty()) GTEST_SKIP() << "libx264 is not installed";
  const auto path = folder_ / u"h264.avi";
  const Movie movie = WriteMovie(path, name, 64, 48, RedOverBlueFrame(64, 48, 192), 5);
  ASSERT_EQ(movie.written, S_OK);
  const ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "h264");
  EXPECT_EQ(stream.frames, 5);
  EXPECT_EQ(stream.frameRate, "25/1");
}

TEST_F(VideoCompressorFilterTest, StoppingWithoutEndOfStreamDrainsTheEncoder) {
  // With B-frames the encoder holds frames back, and decode times start below zero.
  const std::u16string name = NameOf("mpeg4");
  ASSERT_EQ(SettingsOf(name)->SetOption("bf", "2"), S_OK);
  const auto path = folder_ / u"stopped.avi";
  const Movie movie = WriteMovie(path, name, 64, 48, RedOverBlueFrame(64, 48, 192), 7, false);
  ASSERT_EQ(movie.written, S_OK);
  const ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.frames, 7);
  EXPECT_EQ(stream.frameRate, "25/1");
}

TEST_F(VideoCompressorFilterTest, PacketsCarryTheCodecsAviCodeItsPrivateDataAndDecodeTimes) {
  const std::u16string huffyuv = NameOf("huffyuv");  // a codec with private data in its header
  ASSERT_FALSE(huffyuv.empty());
  ASSERT_EQ(SettingsOf(NameOf("mpeg4"))->SetOption("bf", "1"), S_OK);
  for (const std::u16string& name : {huffyuv, NameOf("mpeg4")}) {
    ComPtr<IGraphBuilder> graph;
    CreateFilterGraph(graph.Receive());
    ComPtr<TestVideoSource> source = MakeCom<TestVideoSource>(64, 48, 400000);
    ComPtr<FrameSink> sink = MakeCom<FrameSink>(AV_PIX_FMT_NONE);
    ComPtr<IBaseFilter> compressor;
    ASSERT_EQ(BindVideoCompressor(name, compressor.Receive()), S_OK);
    graph->AddFilter(source.Get(), u"Source");
    graph->AddFilter(compressor.Get(), u"Compressor");
    graph->AddFilter(sink.Get(), u"Sink");
    ASSERT_EQ(graph->Connect(&source->Output(), FirstFreePin(compressor.Get(), PINDIR_INPUT).Get()), S_OK);
    ASSERT_EQ(graph->Connect(FirstFreePin(compressor.Get(), PINDIR_OUTPUT).Get(), &sink->input_), S_OK);

    AM_MEDIA_TYPE type;
    ASSERT_EQ(sink->input_.ConnectionMediaType(&type), S_OK);
    const uint32_t fourcc = AviFourccOf(avcodec_find_encoder_by_name(name == huffyuv ? "huffyuv" : "mpeg4")->id);
    EXPECT_EQ(type.subtype, MediaSubtypeFromFourcc(fourcc));
    const VIDEOINFOHEADER* header = reinterpret_cast<const VIDEOINFOHEADER*>(type.pbFormat);
    EXPECT_EQ(header->bmiHeader.biCompression, fourcc);
    EXPECT_EQ(header->bmiHeader.biWidth, 64);
    EXPECT_EQ(header->bmiHeader.biHeight, 48);
    EXPECT_EQ(header->AvgTimePerFrame, 400000);
    if (name == huffyuv) {
      EXPECT_GT(type.cbFormat, sizeof(VIDEOINFOHEADER));
    }
    FreeMediaType(type);

    ComPtr<IMediaControl> control;
    graph.As(control);
    ASSERT_EQ(control->Run(), S_OK);
    ASSERT_EQ(source->Push(RedOverBlueFrame(64, 48, 192)), S_OK);
    ASSERT_EQ(source->Push(RedOverBlueFrame(64, 48, 192)), S_OK);
    ASSERT_EQ(source->EndStream(), S_OK);
    control->Stop();
    ASSERT_EQ(sink->frames.size(), 2u);
    EXPECT_TRUE(sink->frames[0].sync);
    // With a B-frame the first packet is decoded a frame before it is shown.
    const REFERENCE_TIME first = name == huffyuv ? 0 : -400000;
    EXPECT_EQ(sink->frames[0].start, first);
    EXPECT_EQ(sink->frames[0].end, first + 400000);
    EXPECT_EQ(sink->frames[1].start, first + 400000);
  }
}

TEST_F(VideoCompressorFilterTest, H263RefusesASizeItCannotCodeAndTakesCif) {
  const std::u16string name = NameOf("h263");
  if (name.empty()) GTEST_SKIP() << "no H.263 encoder";
  EXPECT_TRUE(FAILED(WriteMovie(folder_ / u"svga.avi", name, 800, 600, {}, 0).built));
  const Movie cif = WriteMovie(folder_ / u"cif.avi", name, 352, 288, RedOverBlueFrame(352, 288, 352 * 3), 1);
  EXPECT_EQ(cif.written, S_OK);
  EXPECT_EQ(ProbeMovie(folder_ / u"cif.avi").frames, 1);
}

TEST_F(VideoCompressorFilterTest, TheConverterGoesInOnlyWhenTheEncoderWantsAnotherFormat) {
  // Zlib takes the source's 24-bit rows as they are.
  const std::u16string zlib = NameOf("zlib");
  ASSERT_FALSE(zlib.empty());
  const auto path = folder_ / u"zlib.avi";
  const Movie movie = WriteMovie(path, zlib, 30, 20, RedOverBlueFrame(30, 20, 92), 2);
  ASSERT_EQ(movie.written, S_OK);
  EXPECT_FALSE(movie.converted);
  const std::string rgb = DecodeToRgb(path);
  ASSERT_EQ(rgb.size(), size_t{2} * 30 * 20 * 3);
  EXPECT_TRUE(IsRed(PixelOf(rgb, 30, 20, 1, 29, 0)));
  EXPECT_EQ(PixelOf(rgb, 30, 20, 1, 0, 19).g, 255);

  const Movie raw = WriteMovie(folder_ / u"raw.avi", u"", 30, 20, RedOverBlueFrame(30, 20, 92), 1);
  EXPECT_EQ(raw.written, S_OK);
  EXPECT_FALSE(raw.converted);
}

TEST_F(VideoCompressorFilterTest, EveryListedCompressorsCodeNamesItsOwnCodec) {
  const VideoCompressorList list = VideoCompressorList::Installed();
  ASSERT_FALSE(list.entries().empty());
  for (const VideoCompressor& entry : list.entries()) {
    const AVCodec* codec = avcodec_find_encoder_by_name(entry.ffmpegName.c_str());
    ASSERT_NE(codec, nullptr) << entry.ffmpegName;
    const uint32_t fourcc = AviFourccOf(codec->id);
    EXPECT_NE(fourcc, 0u) << entry.ffmpegName;
    EXPECT_EQ(CodecOfAviFourcc(fourcc), codec->id) << entry.ffmpegName;
  }
  EXPECT_TRUE(NameOf("ljpeg").empty());  // its code is Motion JPEG's
}

TEST_F(VideoCompressorFilterTest, AnUnknownNameIsNotFound) {
  ComPtr<IBaseFilter> filter;
  EXPECT_EQ(BindVideoCompressor(u"No Such Codec", filter.Receive()), VFW_E_NOT_FOUND);
  EXPECT_EQ(filter.Get(), nullptr);
  EXPECT_EQ(BindVideoCompressor(u"mpeg-4 part 2", filter.Receive()), VFW_E_NOT_FOUND);  // exact case only
  EXPECT_EQ(BindVideoCompressor(u"MPEG-4 part 2", nullptr), E_POINTER);
}

TEST_F(VideoCompressorFilterTest, OptionsAreListedWithSaneKindsRangesAndDefaults) {
  std::vector<EncoderOption> mpeg4;
  ASSERT_EQ(SettingsOf(NameOf("mpeg4"))->GetOptions(&mpeg4), S_OK);
  const EncoderOption* bitRate = Find(mpeg4, "b");
  ASSERT_NE(bitRate, nullptr);
  EXPECT_EQ(bitRate->kind, EncoderOption::Kind::Integer);
  EXPECT_EQ(bitRate->minimum, 0);
  EXPECT_GT(bitRate->maximum, 1e9);
  EXPECT_EQ(bitRate->defaultValue, "200000");
  ASSERT_NE(Find(mpeg4, "g"), nullptr);
  EXPECT_EQ(Find(mpeg4, "g")->value, "12");
  EXPECT_NE(Find(mpeg4, "bf"), nullptr);
  const EncoderOption* quantiser = Find(mpeg4, "qscale");
  ASSERT_NE(quantiser, nullptr);
  EXPECT_EQ(quantiser->maximum, 31);
  const EncoderOption* motion = Find(mpeg4, "motion_est");
  ASSERT_NE(motion, nullptr);
  EXPECT_EQ(motion->kind, EncoderOption::Kind::Choice);
  EXPECT_EQ(motion->choices, (std::vector<std::string>{"zero", "epzs", "xone"}));
  EXPECT_EQ(motion->value, "epzs");
  ASSERT_NE(Find(mpeg4, "alternate_scan"), nullptr);
  EXPECT_EQ(Find(mpeg4, "alternate_scan")->kind, EncoderOption::Kind::Boolean);
  EXPECT_EQ(Find(mpeg4, "alternate_scan")->value, "0");
  EXPECT_EQ(Find(mpeg4, "mpv_flags"), nullptr);  // flag sets are left out
  for (const EncoderOption& option : mpeg4) {
    EXPECT_FALSE(option.label.empty()) << option.name;
    EXPECT_EQ(std::count_if(mpeg4.begin(), mpeg4.end(), [&](const EncoderOption& o) { return o.name == option.name; }),
              1)
        << option.name;
  }

  std::vector<EncoderOption> mjpeg;
  ASSERT_EQ(SettingsOf(NameOf("mjpeg"))->GetOptions(&mjpeg), S_OK);
  EXPECT_EQ(Find(mjpeg, "bf"), nullptr);  // no B-frames in Motion JPEG
  EXPECT_NE(Find(mjpeg, "qscale"), nullptr);

  const std::u16string x264 = NameOf("libx264");
  if (x264.empty()) return;
  std::vector<EncoderOption> h264;
  ASSERT_EQ(SettingsOf(x264)->GetOptions(&h264), S_OK);
  ASSERT_NE(Find(h264, "preset"), nullptr);
  EXPECT_EQ(Find(h264, "preset")->kind, EncoderOption::Kind::Text);
  EXPECT_EQ(Find(h264, "preset")->value, "medium");
  ASSERT_NE(Find(h264, "crf"), nullptr);
  EXPECT_EQ(Find(h264, "crf")->kind, EncoderOption::Kind::Real);
  ASSERT_NE(Find(h264, "mbtree"), nullptr);
  EXPECT_EQ(Find(h264, "mbtree")->choices, (std::vector<std::string>{"auto", "false", "true"}));
  EXPECT_EQ(Find(h264, "qscale"), nullptr);
}

TEST_F(VideoCompressorFilterTest, ValuesStayWithTheNameAcrossBindingsAndBadOnesAreRefused) {
  const std::u16string mpeg4 = NameOf("mpeg4");
  ASSERT_EQ(SettingsOf(mpeg4)->SetOption("b", "800k"), S_OK);
  ASSERT_EQ(SettingsOf(mpeg4)->SetOption("motion_est", "zero"), S_OK);
  EXPECT_EQ(ValueOf(mpeg4, "b"), "800000");
  EXPECT_EQ(ValueOf(mpeg4, "motion_est"), "zero");
  EXPECT_EQ(ValueOf(NameOf("mjpeg"), "b"), "200000");  // another compressor keeps its own

  ComPtr<IEncoderSettings> settings = SettingsOf(mpeg4);
  EXPECT_EQ(settings->SetOption("b", "-5"), E_INVALIDARG);
  EXPECT_EQ(settings->SetOption("b", "lots"), E_INVALIDARG);
  EXPECT_EQ(settings->SetOption("motion_est", "fast"), E_INVALIDARG);
  EXPECT_EQ(settings->SetOption("qscale", "32"), E_INVALIDARG);
  EXPECT_EQ(settings->SetOption("qscale", "2.5"), E_INVALIDARG);
  EXPECT_EQ(settings->SetOption("rc_init_cplx", "nan"), E_INVALIDARG);
  EXPECT_EQ(settings->SetOption("no_such_option", "1"), E_INVALIDARG);
  EXPECT_EQ(ValueOf(mpeg4, "b"), "800000");

  ASSERT_EQ(settings->ResetOptions(), S_OK);
  EXPECT_EQ(ValueOf(mpeg4, "b"), "200000");
  EXPECT_EQ(ValueOf(mpeg4, "motion_est"), "epzs");
}

TEST_F(VideoCompressorFilterTest, ChosenValuesApplyWhenTheEncoderOpens) {
  const std::u16string mpeg4 = NameOf("mpeg4");
  const auto frame = NoiseFrame(480 * 120);
  ASSERT_EQ(SettingsOf(mpeg4)->SetOption("qscale", "2"), S_OK);
  ASSERT_EQ(WriteMovie(folder_ / u"fine.avi", mpeg4, 160, 120, frame, 2).written, S_OK);
  ASSERT_EQ(SettingsOf(mpeg4)->SetOption("qscale", "31"), S_OK);
  ASSERT_EQ(WriteMovie(folder_ / u"coarse.avi", mpeg4, 160, 120, frame, 2).written, S_OK);
  // A fixed fine quantiser keeps the detail: several times the bytes of the coarsest.
  EXPECT_GT(ReadBytes(folder_ / u"fine.avi").size(), 2 * ReadBytes(folder_ / u"coarse.avi").size());
}

TEST_F(VideoCompressorFilterTest, AboutTextNamesCodecEncoderAndLibrary) {
  std::u16string text;
  ASSERT_EQ(SettingsOf(NameOf("mpeg4"))->GetAboutText(&text), S_OK);
  EXPECT_NE(text.find(u"MPEG-4 part 2"), std::u16string::npos);
  EXPECT_NE(text.find(u"mpeg4"), std::u16string::npos);
  EXPECT_NE(text.find(u"libavcodec " + DecimalText(LIBAVCODEC_VERSION_MAJOR) + u"."), std::u16string::npos);
}

}  // namespace
