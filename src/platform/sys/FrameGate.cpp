#include "platform/sys/FrameGate.h"

FrameGate& FrameGate::Shared() {
  static FrameGate gate;
  return gate;
}

void FrameGate::Close() {
  std::lock_guard<std::mutex> lock(mutex_);
  closed_ = true;
  closer_ = std::this_thread::get_id();
  closedAt_ = std::chrono::steady_clock::now();
}

void FrameGate::Open() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = false;
    ++openings_;
    openedAt_ = std::chrono::steady_clock::now();
  }
  opened_.notify_all();
}

void FrameGate::Pass() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!closed_ || closer_ == std::this_thread::get_id()) return;
  const uint64_t openings = openings_;
  opened_.wait_until(lock, closedAt_ + kLongestClose, [&] { return openings_ != openings; });
}

// A piece waiting for its turn passes the gate again once it has it: frames may have begun.
void FrameGate::PassInTurn(const Piece* piece) {
  for (;;) {
    Pass();
    std::unique_lock<std::mutex> lock(mutex_);
    if (!FramesRun()) return;
    if (turn_ == nullptr || turn_ == piece) {
      turn_ = piece;
      return;
    }
    // Frames may stop while the turn is another's: then every piece goes on.
    turnEnded_.wait_for(lock, kFramesRunFor);
  }
}

void FrameGate::EndTurn(const Piece* piece) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (turn_ != piece) return;
    turn_ = nullptr;
  }
  turnEnded_.notify_all();
}

// Under mutex_.
bool FrameGate::FramesRun() const {
  return closed_ || (openings_ > 0 && std::chrono::steady_clock::now() - openedAt_ < kFramesRunFor);
}
