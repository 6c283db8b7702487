#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <thread>

#include "platform/sys/FrameGate.h"
#include "support/HeldByAFrame.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Far enough below the gate's own limit that a pass held by a frame cannot have timed out.
constexpr auto kWhileHeld = FrameGate::kLongestClose / 3;

// Passes gate on another thread; the future gives how long the pass took.
std::future<Clock::duration> PassElsewhere(FrameGate& gate) {
  return std::async(std::launch::async, [&gate] {
    const auto start = Clock::now();
    gate.Pass();
    return Clock::now() - start;
  });
}

TEST(FrameGateTest, WorkWaitsWhileAFrameIsDrawnAndGoesOnWhenItIsDone) {
  FrameGate gate;
  EXPECT_LT(PassElsewhere(gate).get(), kWhileHeld);  // open: at once
  std::future<Clock::duration> waiting;
  {
    FrameGate::Closed frame(gate);
    gate.Pass();  // the drawing thread itself is never held
    waiting = PassElsewhere(gate);
    EXPECT_EQ(waiting.wait_for(kWhileHeld), std::future_status::timeout);
  }
  EXPECT_EQ(waiting.wait_for(FrameGate::kLongestClose), std::future_status::ready);
  EXPECT_LT(PassElsewhere(gate).get(), kWhileHeld);
}

// Passes the gate in piece's turn on another thread.
std::future<void> PassInTurnElsewhere(FrameGate::Piece& piece) {
  return std::async(std::launch::async, [&piece] { piece.PassInTurn(); });
}

TEST(FrameGateTest, WhileFramesRunPiecesOfWorkTakeTurns) {
  FrameGate gate;
  const RunningFrames frames(gate);
  std::optional<FrameGate::Piece> first(std::in_place, gate);
  first->PassInTurn();
  FrameGate::Piece second(gate);
  const std::future<void> waiting = PassInTurnElsewhere(second);
  EXPECT_EQ(PassInTurnElsewhere(*first).wait_for(kWhileHeld), std::future_status::ready);  // its own threads
  EXPECT_EQ(waiting.wait_for(kWhileHeld), std::future_status::timeout);
  first.reset();
  EXPECT_EQ(waiting.wait_for(kWhileHeld), std::future_status::ready);
}

TEST(FrameGateTest, AtRestAndOnceFramesStopEveryPieceGoesOn) {
  FrameGate gate;
  FrameGate::Piece first(gate);
  FrameGate::Piece second(gate);
  first.PassInTurn();
  EXPECT_EQ(PassInTurnElsewhere(second).wait_for(kWhileHeld), std::future_status::ready);
  std::optional<RunningFrames> frames(std::in_place, gate);
  first.PassInTurn();  // now its turn
  const std::future<void> waiting = PassInTurnElsewhere(second);
  EXPECT_EQ(waiting.wait_for(kWhileHeld), std::future_status::timeout);
  frames.reset();
  EXPECT_EQ(waiting.wait_for(FrameGate::kFramesRunFor * 3), std::future_status::ready);
}

TEST(FrameGateTest, AGateLeftClosedHoldsNobodyLongerThanItsLimit) {
  FrameGate gate;
  gate.Close();
  const Clock::duration waited = PassElsewhere(gate).get();
  EXPECT_GE(waited, FrameGate::kLongestClose - 10ms);
  EXPECT_LT(waited, FrameGate::kLongestClose * 4);
  // Still closed, and past its limit: later work passes at once.
  EXPECT_LT(PassElsewhere(gate).get(), kWhileHeld);
  gate.Open();
}

}  // namespace
