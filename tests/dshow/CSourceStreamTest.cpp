#include <gtest/gtest.h>

#include "GraphRig.h"
#include "dshow/CSourceStream.h"

namespace {

constexpr HRESULT kBroken = static_cast<HRESULT>(0x80041234u);

TEST(CSourceStreamTest, WorkerAnswersOnlyInitUntilInitialisedThenEveryCommand) {
  auto* filter = new TestSource;
  ComPtr<IBaseFilter> held(filter);
  TestStream& pin = *filter->stream;
  ASSERT_TRUE(pin.Create());
  EXPECT_FALSE(pin.Create());
  EXPECT_EQ(pin.Pause(), E_UNEXPECTED);
  EXPECT_EQ(pin.Stop(), E_UNEXPECTED);
  EXPECT_EQ(pin.created, 0);
  ASSERT_EQ(pin.Init(), S_OK);
  EXPECT_EQ(pin.created, 1);
  EXPECT_TRUE(pin.createdOffThread);
  EXPECT_EQ(pin.CallWorker(99), E_NOTIMPL);
  EXPECT_EQ(pin.Init(), E_UNEXPECTED);
  EXPECT_EQ(pin.Stop(), S_OK);
  // Unconnected, the loop finds no buffer and keeps asking; commands still get through.
  EXPECT_EQ(pin.Pause(), S_OK);
  EXPECT_EQ(pin.Run(), S_OK);  // answered inside the loop, which has started playing
  EXPECT_EQ(pin.startedPlay, 1);
  EXPECT_EQ(pin.CallWorker(99), E_NOTIMPL);  // ends streaming, answered outside
  EXPECT_EQ(pin.Run(), S_OK);
  EXPECT_EQ(pin.Stop(), S_OK);
  EXPECT_EQ(pin.startedPlay, 2);
  EXPECT_EQ(pin.destroyed, 0);
  EXPECT_EQ(pin.Exit(), S_OK);
  EXPECT_EQ(pin.Stop(), E_UNEXPECTED);  // nobody left to answer, and no hang
  pin.Close();
  EXPECT_EQ(pin.destroyed, 1);
  EXPECT_EQ(pin.filled, 0);
}

TEST(CSourceStreamTest, FailedThreadCreationEndsTheThreadAndUndoesActivation) {
  auto* filter = new TestSource;
  ComPtr<IBaseFilter> held(filter);
  TestStream& pin = *filter->stream;
  pin.createResult = E_OUTOFMEMORY;
  ASSERT_TRUE(pin.Create());
  EXPECT_EQ(pin.Init(), E_OUTOFMEMORY);
  EXPECT_EQ(pin.destroyed, 1);
  EXPECT_EQ(pin.Pause(), E_UNEXPECTED);
  pin.Close();

  GraphRig rig;
  rig.source->stream->createResult = E_OUTOFMEMORY;
  ASSERT_EQ(rig.Connect(), S_OK);
  EXPECT_EQ(rig.source->Pause(), E_OUTOFMEMORY);
  EXPECT_TRUE(rig.source->IsStopped());
  EXPECT_FALSE(rig.source->stream->ThreadExists());
  ComPtr<IMediaSample> sample;
  EXPECT_EQ(rig.source->stream->Allocator()->GetBuffer(sample.Receive(), nullptr, nullptr, 0), VFW_E_NOT_COMMITTED);
}

TEST(CSourceStreamTest, FilledSamplesGoDownstreamUntilFillBufferEndsTheStream) {
  GraphRig rig;
  TestStream& pin = *rig.source->stream;
  pin.fill = [](IMediaSample* sample, int n) {
    REFERENCE_TIME start = n * 10, end = n * 10 + 10;
    sample->SetTime(&start, &end);
    return n < 3 ? S_OK : S_FALSE;
  };
  ASSERT_EQ(rig.Connect(), S_OK);
  ASSERT_EQ(rig.graph->Run(), S_OK);
  ASSERT_TRUE(rig.input->WaitForEndOfStream());
  ASSERT_EQ(rig.graph->Stop(), S_OK);
  const auto samples = rig.input->Samples();
  ASSERT_EQ(samples.size(), 3u);
  for (int n = 0; n < 3; ++n) EXPECT_EQ(samples[n].start, n * 10);
  EXPECT_EQ(rig.input->EndOfStreams(), 1);
  EXPECT_EQ(pin.endings, 1);
  EXPECT_EQ(pin.endedHow, CSourceStream::StreamEnd::EndOfStream);
  EXPECT_EQ(rig.NextEvent(), 0);
  EXPECT_FALSE(pin.ThreadExists());
}

TEST(CSourceStreamTest, AFillBufferFailureEndsTheStreamAndTellsTheGraph) {
  GraphRig rig;
  TestStream& pin = *rig.source->stream;
  pin.fill = [](IMediaSample*, int n) { return n == 0 ? S_OK : kBroken; };
  ASSERT_EQ(rig.Connect(), S_OK);
  ASSERT_EQ(rig.graph->Run(), S_OK);
  ASSERT_TRUE(rig.input->WaitForEndOfStream());
  ASSERT_EQ(rig.graph->Stop(), S_OK);
  EXPECT_EQ(rig.input->Samples().size(), 1u);
  intptr_t reason = 0;
  EXPECT_EQ(rig.NextEvent(&reason), EC_ERRORABORT);
  EXPECT_EQ(reason, kBroken);
  EXPECT_EQ(pin.endings, 1);
  EXPECT_EQ(pin.endedHow, CSourceStream::StreamEnd::FillFailed);
  EXPECT_EQ(pin.filled, 2);
}

// Downstream refusing a sample ends the stream quietly: it reports its own failure.
TEST(CSourceStreamTest, ARefusedDeliveryEndsTheStreamWithoutEndOfStream) {
  GraphRig rig;
  rig.input->receiveResult = kBroken;
  ASSERT_EQ(rig.Connect(), S_OK);
  ASSERT_EQ(rig.graph->Run(), S_OK);
  ASSERT_TRUE(rig.input->Wait([](const auto& samples, int) { return !samples.empty(); }));
  ASSERT_EQ(rig.graph->Stop(), S_OK);  // the worker answers only once its loop has ended
  TestStream& pin = *rig.source->stream;
  EXPECT_EQ(pin.filled, 1);
  EXPECT_EQ(pin.endings, 1);
  EXPECT_EQ(pin.endedHow, CSourceStream::StreamEnd::DeliveryEnded);
  EXPECT_EQ(pin.endedWith, kBroken);
  EXPECT_EQ(rig.input->EndOfStreams(), 0);
  EXPECT_EQ(rig.NextEvent(), 0);
}

}  // namespace
