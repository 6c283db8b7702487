#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstring>

#include "MovieGraph.h"
#include "platform/media/AviMux.h"
#include "platform/media/IMediaEventSink.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/MediaObjectFactory.h"
#include "support/FileSizeLimit.h"
#include "support/MovieProbe.h"
#include "support/TempFolder.h"

namespace {

uint32_t LittleEndian32(const std::string& file, size_t at) {
  uint32_t value = 0;
  if (at + 4 <= file.size()) std::memcpy(&value, file.data() + at, 4);
  return value;
}

// Size of the first stored frame, from its chunk header in the file.
uint32_t FirstFrameChunkSize(const std::string& file) {
  size_t at = file.find("movi00dc");
  return at == std::string::npos ? 0 : LittleEndian32(file, at + 8);
}

// The frame count the main header states; the muxer fills it in last.
uint32_t HeaderFrameCount(const std::string& file) {
  const size_t at = file.find("avih");
  return at == std::string::npos ? 0 : LittleEndian32(file, at + 8 + 16);
}


// Writes count red-over-blue frames through source -> mux -> writer and ends the stream.
HRESULT WriteRawMovie(const std::u16string& path, int width, int height, REFERENCE_TIME frameTime, int count) {
  MovieGraph graph(width, height, frameTime);
  HRESULT hr = graph.Build(path);
  if (SUCCEEDED(hr)) hr = graph.Run();
  if (SUCCEEDED(hr)) hr = graph.Push(RedOverBlueFrame(width, height, graph.Source().Stride()), count);
  if (SUCCEEDED(hr)) hr = graph.Source().EndStream();
  const HRESULT stopped = graph.Stop();
  return FAILED(hr) ? hr : stopped;
}

AM_MEDIA_TYPE* SourceType(int width, int height) {
  ComPtr<TestVideoSource> source = MakeCom<TestVideoSource>(width, height, MovieGraph::k25Fps);
  ComPtr<IEnumMediaTypes> types;
  source->Output().EnumMediaTypes(types.Receive());
  AM_MEDIA_TYPE* type = nullptr;
  types->Next(1, &type, nullptr);
  return type;
}

VIDEOINFOHEADER& HeaderOf(AM_MEDIA_TYPE* type) { return *reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat); }

}  // namespace

TEST(AviMuxTest, UncompressedFramesComeBackExactlyUprightAndPaddedAsInABitmap) {
  TempFolder folder;
  const auto path = folder / u"raw.avi";
  constexpr int kWidth = 30;  // 90 bytes of pixels, 92 with the padding
  constexpr int kHeight = 20;
  ASSERT_EQ(WriteRawMovie(path, kWidth, kHeight, MovieGraph::k2997Fps, 3), S_OK);

  const std::string file = ReadBytes(path);
  EXPECT_TRUE(IsCompleteAvi(file));
  EXPECT_EQ(HeaderFrameCount(file), 3u);
  EXPECT_EQ(FirstFrameChunkSize(file), uint32_t{92 * kHeight});
  ProbedStream stream = ProbeMovie(path);
  EXPECT_EQ(stream.codec, "rawvideo");
  EXPECT_EQ(stream.width, kWidth);
  EXPECT_EQ(stream.height, kHeight);
  EXPECT_EQ(stream.frameRate, "10000000/333667");
  EXPECT_EQ(stream.frames, 3);

  const std::string rgb = DecodeToRgb(path);
  ASSERT_EQ(rgb.size(), size_t{3} * kWidth * kHeight * 3);
  const auto input = RedOverBlueFrame(kWidth, kHeight, 92);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint8_t* bgr = &input[92 * (kHeight - 1 - y) + x * 3];
      const Rgb pixel = PixelOf(rgb, kWidth, kHeight, 2, x, y);
      ASSERT_EQ(pixel.r, bgr[2]) << x << "," << y;
      ASSERT_EQ(pixel.g, bgr[1]) << x << "," << y;
      ASSERT_EQ(pixel.b, bgr[0]) << x << "," << y;
    }
  }
}

TEST(AviMuxTest, TwentyFiveFramesASecondIsStatedExactly) {
  TempFolder folder;
  const auto path = folder / u"pal.avi";
  ASSERT_EQ(WriteRawMovie(path, 64, 48, MovieGraph::k25Fps, 2), S_OK);
  EXPECT_EQ(ProbeMovie(path).frameRate, "25/1");
}

TEST(AviMuxTest, StoppingWithoutEndOfStreamStillCompletesTheMovie) {
  TempFolder folder;
  const auto path = folder / u"stopped.avi";
  MovieGraph graph(64, 48);
  graph.Source().endOnStop = false;
  ASSERT_EQ(graph.Build(path), S_OK);
  ASSERT_EQ(graph.Run(), S_OK);
  ASSERT_EQ(graph.Push(RedOverBlueFrame(64, 48, graph.Source().Stride()), 4), S_OK);
  ASSERT_EQ(graph.Stop(), S_OK);
  EXPECT_TRUE(IsCompleteAvi(ReadBytes(path)));
  EXPECT_EQ(ProbeMovie(path).frames, 4);
}

TEST(AviMuxTest, OverwritesALongerFile) {
  TempFolder folder;
  const auto path = folder / u"old.avi";
  WriteBytes(path, std::string(1 << 20, 'x'));
  ASSERT_EQ(WriteRawMovie(path, 64, 48, MovieGraph::k25Fps, 1), S_OK);
  const std::string file = ReadBytes(path);
  EXPECT_TRUE(IsCompleteAvi(file));
  EXPECT_EQ(ProbeMovie(path).frames, 1);
}

TEST(AviMuxTest, AFullDiskFailsReceiveReportsItAndKeepsTheFramesWritten) {
  TempFolder folder;
  const auto path = folder / u"full.avi";
  MovieGraph graph(64, 48);
  ASSERT_EQ(graph.Build(path), S_OK);
  ASSERT_EQ(graph.Run(), S_OK);
  // Room for the 256 KB the mux keeps free for the movie's end, and a few frames of 9 KB.
  FileSizeLimit limit(300 * 1024);
  const auto frame = RedOverBlueFrame(64, 48, graph.Source().Stride());
  HRESULT pushed = S_OK;
  int delivered = 0;
  for (; delivered < 40 && pushed == S_OK; ++delivered) pushed = graph.Source().Push(frame);
  graph.Stop();
  limit.Restore();

  EXPECT_EQ(pushed, HResultFromWin32(EFBIG));
  EXPECT_LT(delivered, 40);
  const auto events = graph.Events();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), std::make_pair(EC_ERRORABORT, static_cast<intptr_t>(HResultFromWin32(EFBIG))));
  // The frame that did not fit was refused whole: the header and the index count exactly the
  // frames in the file, and no room taken for it is left at the end.
  const std::string bytes = ReadBytes(path);
  EXPECT_TRUE(IsCompleteAvi(bytes));
  EXPECT_EQ(DecodingErrors(path), "");
  const ProbedStream stream = ProbeMovie(path);
  EXPECT_GE(stream.frames, 2);
  EXPECT_LT(stream.frames, delivered);
  EXPECT_EQ(HeaderFrameCount(bytes), static_cast<uint32_t>(stream.frames));
}

TEST(AviMuxTest, AcceptsTheSourcesRgb24AndCompressedCodesOnly) {
  ComPtr<IBaseFilter> mux;
  ASSERT_EQ(CreateMediaObject(CLSID_AviDest, IBaseFilter::kIid, reinterpret_cast<void**>(mux.Receive())), S_OK);
  ComPtr<IPin> input;
  ASSERT_EQ(mux->FindPin(u"Input 01", input.Receive()), S_OK);
  AM_MEDIA_TYPE* type = SourceType(641, 480);
  EXPECT_EQ(input->QueryAccept(type), S_OK);
  const AM_MEDIA_TYPE good = *type;
  const auto refused = [&](auto change) {
    AM_MEDIA_TYPE* changed = CreateMediaType(good);
    change(changed);
    const HRESULT hr = input->QueryAccept(changed);
    DeleteMediaType(changed);
    return hr == S_FALSE;
  };
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) { HeaderOf(t).bmiHeader.biHeight = -480; }));  // top-down rows
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) { HeaderOf(t).bmiHeader.biBitCount = 32; }));
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) { HeaderOf(t).bmiHeader.biWidth = 0; }));
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) { HeaderOf(t).AvgTimePerFrame = 0; }));
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) { HeaderOf(t).bmiHeader.biSizeImage = 1000; }));  // short of a frame
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) { t->subtype = MEDIASUBTYPE_RGB32; }));
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) { t->cbFormat = 20; }));
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) { t->majortype = MEDIATYPE_Stream; }));
  // A compressor's type names its codec by four-character code, in subtype and header alike.
  const uint32_t fmp4 = 0x34504D46;
  EXPECT_FALSE(refused([&](AM_MEDIA_TYPE* t) {
    t->subtype = MediaSubtypeFromFourcc(fmp4);
    HeaderOf(t).bmiHeader.biCompression = fmp4;
  }));
  EXPECT_TRUE(refused([&](AM_MEDIA_TYPE* t) {
    t->subtype = MediaSubtypeFromFourcc(fmp4);
    HeaderOf(t).bmiHeader.biCompression = 0x3234504D;  // "MP42": disagrees with the subtype
  }));
  // A compressor's type is held to the same sizes and frame durations as full frames.
  const auto asFmp4 = [&](AM_MEDIA_TYPE* t) {
    t->subtype = MediaSubtypeFromFourcc(fmp4);
    HeaderOf(t).bmiHeader.biCompression = fmp4;
  };
  EXPECT_TRUE(refused([&](AM_MEDIA_TYPE* t) { asFmp4(t), HeaderOf(t).bmiHeader.biWidth = 0; }));
  EXPECT_TRUE(refused([&](AM_MEDIA_TYPE* t) { asFmp4(t), HeaderOf(t).AvgTimePerFrame = 0; }));
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) {
    t->subtype = MediaSubtypeFromFourcc(0x21212121);  // "!!!!": no codec has it
    HeaderOf(t).bmiHeader.biCompression = 0x21212121;
  }));
  EXPECT_TRUE(refused([](AM_MEDIA_TYPE* t) {
    t->subtype = MEDIASUBTYPE_I420;  // uncompressed YUV is the converter's, not a movie's
    HeaderOf(t).bmiHeader.biCompression = MEDIASUBTYPE_I420.data1;
  }));
  DeleteMediaType(type);
}

TEST(AviMuxTest, AShortFrameIsRefusedAndReported) {
  TempFolder folder;
  MovieGraph graph(64, 48);
  ASSERT_EQ(graph.Build(folder / u"short.avi"), S_OK);
  ASSERT_EQ(graph.Run(), S_OK);
  EXPECT_EQ(graph.Source().Push(std::vector<uint8_t>(100, 0)), E_INVALIDARG);
  graph.Stop();
  const auto events = graph.Events();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), std::make_pair(EC_ERRORABORT, static_cast<intptr_t>(E_INVALIDARG)));
}

TEST(AviMuxTest, CannotStartWithoutAWriterToTakeTheHeader) {
  TempFolder folder;
  MovieGraph graph(64, 48);
  ComPtr<IBaseFilter> mux;
  ASSERT_EQ(CreateMediaObject(CLSID_AviDest, IBaseFilter::kIid, reinterpret_cast<void**>(mux.Receive())), S_OK);
  ComPtr<IPin> input;
  ASSERT_EQ(mux->FindPin(u"Input 01", input.Receive()), S_OK);
  ASSERT_EQ(graph.Source().Output().Connect(input.Get(), nullptr), S_OK);
  EXPECT_EQ(mux->Pause(), VFW_E_NOT_CONNECTED);
  FILTER_STATE state = State_Running;
  mux->GetState(0, &state);
  EXPECT_EQ(state, State_Stopped);
  graph.Source().Output().Disconnect();
  input->Disconnect();
}
