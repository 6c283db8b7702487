#include <gtest/gtest.h>

#include "TestVideoSource.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/RawVideoFormat.h"
#include "platform/media/RawVideoSubtype.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace {

MediaType SourceType(int width, int height) {
  ComPtr<TestVideoSource> source = MakeCom<TestVideoSource>(width, height, 400000);
  std::vector<MediaType> types;
  source->GetMediaTypes(source->Output(), &types);
  return types.at(0);
}

VIDEOINFOHEADER& HeaderOf(MediaType& type) { return *reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat); }

bool Reads(const MediaType& type) {
  RawVideoFormat format;
  return RawVideoFormat::FromMediaType(type.get(), &format);
}

}  // namespace

TEST(RawVideoFormatTest, TheSourcesTypeIsBottomUpBgr24WithRowsPaddedToFourBytes) {
  RawVideoFormat format;
  ASSERT_TRUE(RawVideoFormat::FromMediaType(SourceType(641, 480).get(), &format));
  EXPECT_EQ(format, (RawVideoFormat{AV_PIX_FMT_BGR24, 641, 480, 400000}));
  EXPECT_TRUE(format.IsBottomUp());
  EXPECT_EQ(format.ImageSize(), 1924 * 480);
  std::vector<uint8_t> image(format.ImageSize());
  uint8_t* planes[4];
  int strides[4];
  format.Planes(image.data(), planes, strides);
  EXPECT_EQ(planes[0], image.data() + 1924 * 479);  // the top row is the last one stored
  EXPECT_EQ(strides[0], -1924);
  EXPECT_EQ(planes[1], nullptr);
}

TEST(RawVideoFormatTest, PlanarFormatsLieTopDownPlaneAfterPlaneWithoutPadding) {
  const RawVideoFormat odd{AV_PIX_FMT_YUV420P, 5, 3, 400000};
  EXPECT_FALSE(odd.IsBottomUp());
  EXPECT_EQ(odd.ImageSize(), 15 + 6 + 6);  // chroma planes of 3 x 2 round up
  std::vector<uint8_t> image(odd.ImageSize());
  uint8_t* planes[4];
  int strides[4];
  odd.Planes(image.data(), planes, strides);
  EXPECT_EQ(planes[0], image.data());
  EXPECT_EQ(planes[1], image.data() + 15);
  EXPECT_EQ(planes[2], image.data() + 21);
  EXPECT_EQ(strides[0], 5);
  EXPECT_EQ(strides[1], 3);
  EXPECT_EQ(RawVideoFormat({AV_PIX_FMT_YUYV422, 6, 2, 400000}).ImageSize(), 24);
  EXPECT_EQ(RawVideoFormat({AV_PIX_FMT_BGR0, 5, 2, 400000}).ImageSize(), 40);
}

TEST(RawVideoFormatTest, EveryUsableFormatSurvivesTheTripThroughAMediaType) {
  int usable = 0;
  for (const AVPixFmtDescriptor* d = av_pix_fmt_desc_next(nullptr); d != nullptr; d = av_pix_fmt_desc_next(d)) {
    const RawVideoFormat format{av_pix_fmt_desc_get_id(d), 33, 17, 333667};
    if (!RawVideoFormat::IsUsable(format.pixelFormat) || format.ImageSize() == 0) continue;
    ++usable;
    RawVideoFormat read;
    ASSERT_TRUE(RawVideoFormat::FromMediaType(format.ToMediaType().get(), &read)) << d->name;
    EXPECT_EQ(read, format) << d->name;
  }
  EXPECT_GT(usable, 100);
  EXPECT_FALSE(RawVideoFormat::IsUsable(AV_PIX_FMT_PAL8));
  EXPECT_FALSE(RawVideoFormat::IsUsable(AV_PIX_FMT_VAAPI));
}

TEST(RawVideoFormatTest, StandardSubtypesWhereTheyExistAndTheProgramsOwnElsewhere) {
  EXPECT_EQ(SubtypeOfPixelFormat(AV_PIX_FMT_YUV420P), MEDIASUBTYPE_I420);
  EXPECT_EQ(MEDIASUBTYPE_I420.data1, 0x30323449u);  // "I420"
  EXPECT_EQ(SubtypeOfPixelFormat(AV_PIX_FMT_YUYV422), MEDIASUBTYPE_YUY2);
  EXPECT_EQ(SubtypeOfPixelFormat(AV_PIX_FMT_BGR24), MEDIASUBTYPE_RGB24);
  EXPECT_EQ(SubtypeOfPixelFormat(AV_PIX_FMT_BGR0), MEDIASUBTYPE_RGB32);
  EXPECT_EQ(SubtypeOfPixelFormat(AV_PIX_FMT_BGRA), MEDIASUBTYPE_ARGB32);
  const Guid nv12 = SubtypeOfPixelFormat(AV_PIX_FMT_NV12);
  EXPECT_EQ(nv12.data1, static_cast<uint32_t>(AV_PIX_FMT_NV12));
  EXPECT_EQ(PixelFormatOfSubtype(nv12), AV_PIX_FMT_NV12);
  EXPECT_NE(SubtypeOfPixelFormat(AV_PIX_FMT_YUVJ420P), SubtypeOfPixelFormat(AV_PIX_FMT_YUV420P));
  // One subtype for one format: the family's number for I420 is not a second name for it.
  Guid aliased = nv12;
  aliased.data1 = AV_PIX_FMT_YUV420P;
  EXPECT_EQ(PixelFormatOfSubtype(aliased), AV_PIX_FMT_NONE);
  aliased.data1 = 0x7FFF0000;
  EXPECT_EQ(PixelFormatOfSubtype(aliased), AV_PIX_FMT_NONE);
  EXPECT_EQ(PixelFormatOfSubtype(MEDIASUBTYPE_Avi), AV_PIX_FMT_NONE);
  EXPECT_EQ(SubtypeOfPixelFormat(AV_PIX_FMT_NONE), GUID_NULL);
}

TEST(RawVideoFormatTest, TypesThatDoNotDescribeTheirFramesAreRefused) {
  MediaType type = SourceType(64, 48);
  ASSERT_TRUE(Reads(type));
  const auto refused = [&type](auto change) {
    MediaType changed = type;
    change(changed);
    return !Reads(changed);
  };
  EXPECT_TRUE(refused([](MediaType& t) { HeaderOf(t).bmiHeader.biHeight = -48; }));
  EXPECT_TRUE(refused([](MediaType& t) { HeaderOf(t).bmiHeader.biHeight = 0; }));
  EXPECT_TRUE(refused([](MediaType& t) { HeaderOf(t).bmiHeader.biWidth = RawVideoFormat::kLargestSide + 1; }));
  EXPECT_TRUE(refused([](MediaType& t) { HeaderOf(t).bmiHeader.biCompression = MEDIASUBTYPE_I420.data1; }));
  EXPECT_TRUE(refused([](MediaType& t) { HeaderOf(t).bmiHeader.biBitCount = 16; }));
  EXPECT_TRUE(refused([](MediaType& t) { HeaderOf(t).AvgTimePerFrame = 0; }));
  EXPECT_TRUE(refused([](MediaType& t) { t->formattype = FORMAT_None; }));
  EXPECT_TRUE(refused([](MediaType& t) { t->cbFormat = sizeof(VIDEOINFOHEADER) - 1; }));
  EXPECT_TRUE(refused([](MediaType& t) { t->subtype = GUID_NULL; }));
  EXPECT_FALSE(refused([](MediaType& t) { HeaderOf(t).bmiHeader.biSizeImage = 0; }));  // allowed for RGB
}
