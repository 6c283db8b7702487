#pragma once

#include <gtest/gtest.h>

#include <future>
#include <utility>

#include "platform/sys/FrameGate.h"

// Runs work on another thread while a frame of an animation holds the frame gate, expects it to
// be still waiting a third of the gate's limit later, and gives its result once the frame is done.
template <typename Work>
auto RunHeldByAFrame(Work work) {
  std::future<decltype(work())> running;
  {
    FrameGate::Closed frame(FrameGate::Shared());
    running = std::async(std::launch::async, std::move(work));
    EXPECT_EQ(running.wait_for(FrameGate::kLongestClose / 3), std::future_status::timeout);
  }
  return running.get();
}
