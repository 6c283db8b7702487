#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <utility>

#include "platform/sys/FrameGate.h"

// Runs work on another thread while a Hold made from the shared gate lasts (FrameGate::Closed: a
// frame being drawn), expects it to be still waiting a third of the gate's limit later, and gives
// its result once the hold ends.
template <typename Hold, typename Work>
auto RunHeldBy(Work work) {
  std::future<decltype(work())> running;
  {
    Hold hold(FrameGate::Shared());
    running = std::async(std::launch::async, std::move(work));
    EXPECT_EQ(running.wait_for(FrameGate::kLongestClose / 3), std::future_status::timeout);
  }
  return running.get();
}

template <typename Work>
auto RunHeldByAFrame(Work work) {
  return RunHeldBy<FrameGate::Closed>(std::move(work));
}

// Frames of an animation drawn on a thread of their own, a short one every few milliseconds,
// from the first one, drawn before the constructor returns, until destroyed.
class RunningFrames {
 public:
  explicit RunningFrames(FrameGate& gate = FrameGate::Shared()) : gate_(gate) {
    std::promise<void> first;
    std::future<void> drawn = first.get_future();
    thread_ = std::thread([this, &first] {
      Draw();
      first.set_value();
      while (!stop_) Draw();
    });
    drawn.wait();
  }
  ~RunningFrames() {
    stop_ = true;
    thread_.join();
  }
  RunningFrames(const RunningFrames&) = delete;
  RunningFrames& operator=(const RunningFrames&) = delete;

 private:
  void Draw() {
    {
      FrameGate::Closed frame(gate_);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(4));
  }

  FrameGate& gate_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};
