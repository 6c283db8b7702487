#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "export/FrameQueue.h"

namespace {

using Push = FrameQueue::PushResult;
using Wait = FrameQueue::WaitResult;

// A correct hand-over answers well within kAnswerMs; time-outs are tested with kShortMs.
constexpr uint32_t kAnswerMs = 500;
constexpr uint32_t kShortMs = 20;

// The streaming side: copies each frame's "buffer" until the stream stops.
std::vector<int> Consume(FrameQueue& queue, const int& buffer, Wait& ending) {
  std::vector<int> taken;
  for (;;) {
    ending = queue.WaitForFrame();
    if (ending != Wait::FrameReady) return taken;
    taken.push_back(buffer);
    queue.FrameTaken();
  }
}

TEST(FrameQueueTest, EveryFrameIsTakenOnceAndInOrderThenTheStopEndsTheStream) {
  FrameQueue queue(kAnswerMs);
  int buffer = -1;
  std::vector<int> taken;
  Wait ending = Wait::FrameReady;
  std::thread streaming([&] { taken = Consume(queue, buffer, ending); });
  std::vector<Push> pushes;
  for (int frame = 0; frame < 40; ++frame) {
    buffer = frame;  // written only while the streaming side does not read it
    pushes.push_back(queue.PushFrame());
  }
  queue.Stop();
  streaming.join();
  std::vector<int> expected(40);
  for (int frame = 0; frame < 40; ++frame) expected[frame] = frame;
  EXPECT_EQ(taken, expected);
  EXPECT_EQ(pushes, std::vector<Push>(40, Push::Taken));
  EXPECT_EQ(ending, Wait::Stopped);
}

TEST(FrameQueueTest, EachSideTimesOutWhenTheOtherIsSilent) {
  FrameQueue pusher(kShortMs);
  EXPECT_EQ(pusher.PushFrame(), Push::TimedOut);
  FrameQueue waiter(kShortMs);
  EXPECT_EQ(waiter.WaitForFrame(), Wait::TimedOut);
  EXPECT_EQ(FrameQueue().TimeoutMs(), 30000u);
  EXPECT_EQ(std::u16string(FrameQueue::kTimeOutMessage), u"Error exporting frame: time-out");
}

// A frame left unanswered stays ready; a stop set with it is seen first, and only once.
TEST(FrameQueueTest, StopWinsOverAWaitingFrame) {
  FrameQueue queue(kShortMs);
  ASSERT_EQ(queue.PushFrame(), Push::TimedOut);
  queue.Stop();
  EXPECT_EQ(queue.WaitForFrame(), Wait::Stopped);
  EXPECT_EQ(queue.WaitForFrame(), Wait::FrameReady);
  EXPECT_EQ(queue.WaitForFrame(), Wait::TimedOut);
}

// Stopping frees whichever side waits, without waiting out the time-out.
TEST(FrameQueueTest, StoppingWakesAWaitingSide) {
  FrameQueue streamQueue(kAnswerMs);
  Wait streamSaw = Wait::FrameReady;
  std::thread streaming([&] { streamSaw = streamQueue.WaitForFrame(); });
  streamQueue.Stop();
  streaming.join();
  EXPECT_EQ(streamSaw, Wait::Stopped);

  FrameQueue pushQueue(kAnswerMs);
  Push pushSaw = Push::TimedOut;
  std::thread main([&] { pushSaw = pushQueue.PushFrame(); });
  pushQueue.Stop();
  main.join();
  EXPECT_EQ(pushSaw, Push::Stopped);
  // The stop was used up by that wait, yet a stopped stream takes no further frame.
  EXPECT_EQ(pushQueue.PushFrame(), Push::Stopped);
}

}  // namespace
