#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/sys/AutoResetEvent.h"

namespace {

using Result = AutoResetEvent::WaitResult;

// Waits expected to succeed get a time-out that a correct event never reaches; waits expected
// to time out get a short one.
constexpr uint32_t kAnswerMs = 500;
constexpr uint32_t kShortMs = 20;

TEST(AutoResetEventTest, ASetIsKeptForOneWaitOnly) {
  AutoResetEvent event;
  EXPECT_EQ(event.Wait(0), Result::TimedOut);
  event.Set();
  event.Set();  // not counted: still one signal
  EXPECT_EQ(event.Wait(0), Result::Signalled);
  EXPECT_EQ(event.Wait(kShortMs), Result::TimedOut);
}

TEST(AutoResetEventTest, SetOnAnotherThreadWakesTheWaiter) {
  AutoResetEvent ping;
  AutoResetEvent pong;
  std::thread other([&] {
    if (ping.Wait(kAnswerMs) == Result::Signalled) pong.Set();
  });
  ping.Set();
  EXPECT_EQ(pong.Wait(kAnswerMs), Result::Signalled);
  other.join();
  EXPECT_EQ(ping.Wait(0), Result::TimedOut) << "the other thread's wait consumed the signal";
}

TEST(AutoResetEventTest, OneSetReleasesOneOfTwoWaiters) {
  AutoResetEvent event;
  std::atomic<int> released{0};
  auto wait = [&] {
    if (event.Wait(4 * kShortMs) == Result::Signalled) ++released;
  };
  std::thread first(wait);
  std::thread second(wait);
  event.Set();
  first.join();
  second.join();
  EXPECT_EQ(released.load(), 1);
}

TEST(AutoResetEventTest, WaitAnyTakesTheFirstSetEventAndLeavesTheOthersSet) {
  AutoResetEvent a;
  AutoResetEvent b;
  b.Set();
  a.Set();
  EXPECT_EQ(AutoResetEvent::WaitAny({&a, &b}, 0), 0u);
  EXPECT_EQ(AutoResetEvent::WaitAny({&a, &b}, 0), 1u);
  EXPECT_FALSE(AutoResetEvent::WaitAny({&a, &b}, kShortMs));
  EXPECT_EQ(a.Wait(0), Result::TimedOut);
  EXPECT_EQ(b.Wait(0), Result::TimedOut);
}

TEST(AutoResetEventTest, WaitAnyWakesWhenAnotherThreadSetsALaterEvent) {
  AutoResetEvent a;
  AutoResetEvent b;
  AutoResetEvent waiting;
  std::optional<size_t> seen;
  std::thread other([&] {
    waiting.Set();
    seen = AutoResetEvent::WaitAny({&a, &b}, kAnswerMs);
  });
  ASSERT_EQ(waiting.Wait(kAnswerMs), Result::Signalled);
  b.Set();
  other.join();
  EXPECT_EQ(seen, 1u);
  // A plain wait still works on an event that a WaitAny has left.
  b.Set();
  EXPECT_EQ(b.Wait(0), Result::Signalled);
}

}  // namespace
