#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "FakeCaptureSource.h"
#include "WrappedAllocator.h"
#include "export/FrameCapture.h"
#include "export/PushSourceFilter.h"
#include "export/PushSourcePin.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/VideoInfoHeader.h"

namespace {

// A filter around a capture of width x height, its pin, and the offered type.
struct PinRig {
  PinRig(int32_t width, int32_t height, float fps, uint32_t timeoutMs = 5000)
      : source(width, height), capture(width, height, &source) {
    filter = new PushSourceFilter(&capture, fps, &status, timeoutMs);
    held = ComPtr<IBaseFilter>(filter);
    pin = filter->Pin();
    pin->GetMediaType(0, &offered);
  }
  const VIDEOINFOHEADER& Header() const { return *reinterpret_cast<const VIDEOINFOHEADER*>(offered.Format()); }

  FakeCaptureSource source;
  FrameCapture capture;
  HRESULT status = E_FAIL;
  PushSourceFilter* filter = nullptr;
  ComPtr<IBaseFilter> held;
  PushSourcePin* pin = nullptr;
  CMediaType offered;
};

TEST(PushSourcePinTest, OffersBottomUpRgb24FramesOfTheCapturesSizeAndRate) {
  PinRig rig(641, 3, 25.0F);
  ASSERT_EQ(rig.status, S_OK);
  EXPECT_EQ(rig.offered.Type(), MEDIATYPE_Video);
  EXPECT_EQ(rig.offered.Subtype(), MEDIASUBTYPE_RGB24);
  EXPECT_EQ(rig.offered.FormatType(), FORMAT_VideoInfo);
  EXPECT_EQ(rig.offered.FormatLength(), sizeof(VIDEOINFO));
  EXPECT_TRUE(rig.offered.bFixedSizeSamples);
  EXPECT_FALSE(rig.offered.bTemporalCompression);
  EXPECT_EQ(rig.pin->Stride(), 1924);  // 641 x 3 = 1923, padded to a multiple of 4
  EXPECT_EQ(rig.offered.lSampleSize, 1924u * 3);
  const VIDEOINFOHEADER& header = rig.Header();
  EXPECT_EQ(header.AvgTimePerFrame, 400000);
  EXPECT_EQ(header.bmiHeader.biSize, 40u);
  EXPECT_EQ(header.bmiHeader.biWidth, 641);
  EXPECT_EQ(header.bmiHeader.biHeight, 3);
  EXPECT_EQ(header.bmiHeader.biBitCount, 24);
  EXPECT_EQ(header.bmiHeader.biCompression, BI_RGB);
  EXPECT_EQ(header.bmiHeader.biSizeImage, 1924u * 3);
  CMediaType none;
  EXPECT_EQ(rig.pin->GetMediaType(1, &none), VFW_S_NO_MORE_ITEMS);

  PinRig ntsc(4, 4, 29.97F);
  EXPECT_EQ(ntsc.Header().AvgTimePerFrame, 333667);
  EXPECT_EQ(ntsc.pin->FrameDuration(), 333667);
  PinRig film(4, 4, 23.976F);
  EXPECT_EQ(film.pin->FrameDuration(), 417083);  // 417 083.75, truncated
}

TEST(PushSourcePinTest, AcceptsOnlyTheTypeItOffers) {
  PinRig rig(8, 2, 25.0F);
  EXPECT_EQ(rig.pin->CheckMediaType(&rig.offered), S_OK);
  CMediaType rgb32(rig.offered);
  rgb32.SetSubtype(MEDIASUBTYPE_RGB32);
  EXPECT_EQ(rig.pin->CheckMediaType(&rgb32), VFW_E_TYPE_NOT_ACCEPTED);
  CMediaType otherRate(rig.offered);
  reinterpret_cast<VIDEOINFOHEADER*>(otherRate.Format())->AvgTimePerFrame += 1;
  EXPECT_EQ(rig.pin->CheckMediaType(&otherRate), VFW_E_TYPE_NOT_ACCEPTED);
  EXPECT_EQ(rig.pin->CheckMediaType(nullptr), E_POINTER);
  // Even before anyone asked for the type, the exact type is known and accepted.
  PinRig fresh(8, 2, 25.0F);
  EXPECT_EQ(fresh.pin->CheckMediaType(&rig.offered), S_OK);
}

TEST(PushSourcePinTest, AsksForOneBufferWithRoomBeyondTheImage) {
  PinRig rig(10, 10, 25.0F);  // stride 32, image 320
  ComPtr<WrappedAllocator> allocator = MakeCom<WrappedAllocator>();
  ALLOCATOR_PROPERTIES request{4, 0, 16, 8}, actual;
  ASSERT_EQ(rig.pin->DecideBufferSize(allocator.Get(), &request), S_OK);
  ASSERT_EQ(allocator->GetProperties(&actual), S_OK);
  EXPECT_EQ(actual.cBuffers, 1);
  EXPECT_EQ(actual.cbBuffer, 320 + 10240);
  EXPECT_EQ(actual.cbAlign, 1);
  EXPECT_EQ(actual.cbPrefix, 0);

  request.cbBuffer = 20000;
  ASSERT_EQ(rig.pin->DecideBufferSize(allocator.Get(), &request), S_OK);
  ASSERT_EQ(allocator->GetProperties(&actual), S_OK);
  EXPECT_EQ(actual.cbBuffer, 20000);

  allocator->grantShortBy = 1;
  EXPECT_EQ(rig.pin->DecideBufferSize(allocator.Get(), &request), E_FAIL);
  allocator->Commit();
  EXPECT_EQ(rig.pin->DecideBufferSize(allocator.Get(), &request), VFW_E_ALREADY_COMMITTED);
}

TEST(PushSourcePinTest, FillBufferStampsAndCopiesAFrameAndStopsOnTheStop) {
  PinRig rig(5, 3, 25.0F);  // stride 16 for 15-byte rows
  ComPtr<WrappedAllocator> allocator = MakeCom<WrappedAllocator>();
  ALLOCATOR_PROPERTIES request, actual;
  ASSERT_EQ(rig.pin->DecideBufferSize(allocator.Get(), &request), S_OK);
  ASSERT_EQ(allocator->Commit(), S_OK);
  allocator->GetProperties(&actual);

  for (int frame = 0; frame < 2; ++frame) {
    rig.source.Paint(frame);
    ASSERT_TRUE(rig.capture.Grab());
    ComPtr<IMediaSample> sample;
    ASSERT_EQ(allocator->GetBuffer(sample.Receive(), nullptr, nullptr, 0), S_OK);
    FrameQueue::PushResult pushed = FrameQueue::PushResult::TimedOut;
    std::thread main([&] { pushed = rig.filter->PushFrame(); });
    EXPECT_EQ(rig.pin->FillBuffer(sample.Get()), S_OK);
    main.join();
    EXPECT_EQ(pushed, FrameQueue::PushResult::Taken);
    REFERENCE_TIME start = -1, end = -1;
    ASSERT_EQ(sample->GetTime(&start, &end), S_OK);
    EXPECT_EQ(start, frame * 400000);
    EXPECT_EQ(end, (frame + 1) * 400000);
    EXPECT_EQ(sample->IsSyncPoint(), S_OK);
    EXPECT_EQ(sample->GetActualDataLength(), 48);
    uint8_t* data = nullptr;
    sample->GetPointer(&data);
    for (int row = 0; row < 3; ++row)
      EXPECT_EQ(0, std::memcmp(data + row * 16, rig.capture.Frame() + row * 15, 15)) << "row " << row;
  }

  // Becoming inactive stops a FillBuffer that waits for a frame (or is about to).
  ComPtr<IMediaSample> sample;
  ASSERT_EQ(allocator->GetBuffer(sample.Receive(), nullptr, nullptr, 0), S_OK);
  HRESULT filled = E_UNEXPECTED;
  std::thread streaming([&] { filled = rig.pin->FillBuffer(sample.Get()); });
  rig.pin->Inactive();
  streaming.join();
  EXPECT_EQ(filled, S_FALSE);
  EXPECT_EQ(rig.pin->Notify(nullptr, Quality()), E_FAIL);
}

}  // namespace
