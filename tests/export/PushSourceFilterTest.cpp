#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <future>

#include "FakeCaptureSource.h"
#include "WrappedAllocator.h"
#include "dshow/FakeSinkFilter.h"
#include "export/FrameCapture.h"
#include "export/PushSourceFilter.h"
#include "export/PushSourcePin.h"
#include "platform/com/TaskMemory.h"
#include "platform/media/FilterGraph.h"
#include "platform/media/MediaGuids.h"

namespace {

using Push = FrameQueue::PushResult;
using Clock = std::chrono::steady_clock;

// Far beyond any answer a working hand-over gives, far below what a missed wake-up would cost.
constexpr uint32_t kLongMs = 10000;
constexpr auto kPrompt = std::chrono::milliseconds(kLongMs / 2);
constexpr uint32_t kShortMs = 50;

// The program's source feeding a recording sink in a real graph, 25 fps.
struct PushRig {
  PushRig(int32_t width, int32_t height, uint32_t timeoutMs = kLongMs)
      : source(width, height), capture(width, height, &source) {
    filter = new PushSourceFilter(&capture, 25.0F, &status, timeoutMs);
    held = ComPtr<IBaseFilter>(filter);
    graph->AddFilter(held.Get(), u"My Source Filter");
    graph->AddFilter(sink.Get(), u"sink");
  }
  HRESULT Connect(const AM_MEDIA_TYPE* type = nullptr) {
    return graph->ConnectDirect(filter->Pin(), sink->Pin(), type);
  }
  // Paints frame number n into the capture; the bytes expected in the movie.
  std::vector<uint8_t> NextFrame(int n) {
    source.Paint(n);
    capture.Grab();
    return std::vector<uint8_t>(capture.Frame(), capture.Frame() + capture.FrameBytes());
  }
  // The next event of the graph, waiting up to timeoutMs for it; 0 when none came.
  int32_t NextEvent(intptr_t* param1, uint32_t timeoutMs = 0) {
    int32_t code = 0;
    intptr_t ignored = 0;
    return graph->GetEvent(&code, param1, &ignored, timeoutMs) == S_OK ? code : 0;
  }

  FakeCaptureSource source;
  FrameCapture capture;
  HRESULT status = E_FAIL;
  ComPtr<FilterGraph> graph = MakeCom<FilterGraph>(nullptr);
  PushSourceFilter* filter = nullptr;
  ComPtr<IBaseFilter> held;
  ComPtr<FakeSinkFilter> sink = MakeCom<FakeSinkFilter>();
  FakeInputPin* input = sink->Pin();
};

TEST(PushSourceFilterTest, ConstructionReportsBadArgumentsAndNamesThePin) {
  HRESULT status = S_OK;
  ComPtr<IBaseFilter> none(new PushSourceFilter(nullptr, 25.0F, &status));
  EXPECT_EQ(status, E_INVALIDARG);
  EXPECT_EQ(static_cast<PushSourceFilter*>(none.Get())->PushFrame(), Push::Stopped);

  FakeCaptureSource source(4, 4);
  FrameCapture capture(4, 4, &source);
  for (float fps : {0.0F, -25.0F, std::nanf(""), 1e-30F, 1e30F, 1.0F / 4000.0F, 2e7F}) {
    status = S_OK;
    ComPtr<IBaseFilter> bad(new PushSourceFilter(&capture, fps, &status));
    EXPECT_EQ(status, E_INVALIDARG) << fps;
  }
  FrameCapture empty(0, 4, &source);
  ComPtr<IBaseFilter> noFrames(new PushSourceFilter(&empty, 25.0F, &status));
  EXPECT_EQ(status, E_INVALIDARG);

  auto* filter = new PushSourceFilter(&capture, 25.0F, &status);
  ComPtr<IBaseFilter> held(filter);
  ASSERT_EQ(status, S_OK);
  EXPECT_EQ(filter->ObjectName(), u"PushSource");
  ComPtr<IPin> out;
  ASSERT_EQ(held->FindPin(u"Out", out.Receive()), S_OK);
  EXPECT_EQ(out.Get(), static_cast<IPin*>(filter->Pin()));
  PIN_DIRECTION direction = PINDIR_INPUT;
  out->QueryDirection(&direction);
  EXPECT_EQ(direction, PINDIR_OUTPUT);
}

TEST(PushSourceFilterTest, EveryPushedFrameArrivesOnceInOrderWithItsTimeAndRowsAtTheStride) {
  PushRig rig(641, 2);
  ASSERT_EQ(rig.status, S_OK);
  ASSERT_EQ(rig.Connect(), S_OK);
  ASSERT_EQ(rig.graph->Run(), S_OK);
  std::vector<std::vector<uint8_t>> pushed;
  for (int n = 0; n < 20; ++n) {
    pushed.push_back(rig.NextFrame(n));
    ASSERT_EQ(rig.filter->PushFrame(), Push::Taken) << n;
  }
  ASSERT_TRUE(rig.input->Wait([](const auto& samples, int) { return samples.size() >= 20; }));
  ASSERT_EQ(rig.graph->Stop(), S_OK);
  const auto samples = rig.input->Samples();
  ASSERT_EQ(samples.size(), 20u);
  for (size_t n = 0; n < samples.size(); ++n) {
    EXPECT_EQ(samples[n].start, static_cast<REFERENCE_TIME>(n) * 400000);
    EXPECT_EQ(samples[n].end, static_cast<REFERENCE_TIME>(n + 1) * 400000);
    EXPECT_TRUE(samples[n].sync);
    EXPECT_EQ(samples[n].length, 1924 * 2);
    for (size_t row = 0; row < 2; ++row)
      EXPECT_EQ(0, std::memcmp(samples[n].bytes.data() + row * 1924, pushed[n].data() + row * 1923, 1923))
          << "frame " << n << " row " << row;
  }
}

TEST(PushSourceFilterTest, ARgb32ProposalIsRefused) {
  PushRig rig(8, 2);
  CMediaType rgb32;
  ASSERT_EQ(rig.filter->Pin()->GetMediaType(0, &rgb32), S_OK);
  rgb32.SetSubtype(MEDIASUBTYPE_RGB32);
  EXPECT_EQ(rig.Connect(&rgb32), VFW_E_TYPE_NOT_ACCEPTED);
  EXPECT_TRUE(rig.input->proposed.empty());
  ASSERT_EQ(rig.Connect(), S_OK);
  EXPECT_EQ(rig.input->connectedType.subtype, MEDIASUBTYPE_RGB24);
}

// The streaming thread holds its second buffer, so FillBuffer waits (or is about to) when the
// graph stops: the stop must end it at once, with end-of-stream.
TEST(PushSourceFilterTest, StoppingWhileFillBufferWaitsEndsTheStreamAtOnce) {
  PushRig rig(8, 2);
  ComPtr<WrappedAllocator> allocator = MakeCom<WrappedAllocator>();
  rig.input->ownAllocator = ComPtr<IMemAllocator>(allocator.Get());
  ASSERT_EQ(rig.Connect(), S_OK);
  ASSERT_EQ(rig.graph->Run(), S_OK);
  rig.NextFrame(0);
  ASSERT_EQ(rig.filter->PushFrame(), Push::Taken);
  ASSERT_TRUE(allocator->WaitForLent(2));
  const auto before = Clock::now();
  ASSERT_EQ(rig.graph->Stop(), S_OK);
  EXPECT_LT(Clock::now() - before, kPrompt);
  EXPECT_EQ(rig.filter->PushFrame(), Push::Stopped);
  EXPECT_LT(Clock::now() - before, kPrompt);
  EXPECT_EQ(rig.input->EndOfStreams(), 1);
  EXPECT_EQ(rig.input->Samples().size(), 1u);
  intptr_t ignored = 0;
  EXPECT_EQ(rig.NextEvent(&ignored), 0);
}

// Downstream failing a sample ends the stream. Here the failure comes while the main thread
// already waits with the next frame: that push, and every later one, returns at once.
TEST(PushSourceFilterTest, AFailedDeliveryStopsThePushesPromptly) {
  PushRig rig(8, 2);
  std::promise<void> nextPush;
  std::shared_future<void> nextPushBegun = nextPush.get_future().share();
  rig.input->receiveResult = E_FAIL;
  rig.input->beforeAnswer = [nextPushBegun] { nextPushBegun.wait(); };
  ASSERT_EQ(rig.Connect(), S_OK);
  ASSERT_EQ(rig.graph->Run(), S_OK);
  rig.NextFrame(0);
  ASSERT_EQ(rig.filter->PushFrame(), Push::Taken);
  const auto before = Clock::now();
  nextPush.set_value();
  EXPECT_EQ(rig.filter->PushFrame(), Push::Stopped);
  EXPECT_EQ(rig.filter->PushFrame(), Push::Stopped);
  EXPECT_LT(Clock::now() - before, kPrompt);
  EXPECT_EQ(rig.input->Samples().size(), 1u);
}

TEST(PushSourceFilterTest, APushNobodyTakesTimesOut) {
  PushRig rig(8, 2, kShortMs);
  EXPECT_EQ(rig.filter->PushFrame(), Push::TimedOut);
}

// No frame in time is a streaming failure: end-of-stream, an error for the graph, and pushes
// that return at once.
TEST(PushSourceFilterTest, AFrameThatNeverComesAbortsTheStream) {
  PushRig rig(8, 2, kShortMs);
  ASSERT_EQ(rig.Connect(), S_OK);
  ASSERT_EQ(rig.graph->Run(), S_OK);
  ASSERT_TRUE(rig.input->WaitForEndOfStream());
  intptr_t reason = 0;
  EXPECT_EQ(rig.NextEvent(&reason, kLongMs), EC_ERRORABORT);  // it follows end-of-stream
  EXPECT_EQ(reason, E_FAIL);
  EXPECT_EQ(rig.filter->PushFrame(), Push::Stopped);
  EXPECT_TRUE(rig.input->Samples().empty());
}

}  // namespace
