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
  }
  opened_.notify_all();
}

void FrameGate::Pass() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!closed_ || closer_ == std::this_thread::get_id()) return;
  const uint64_t openings = openings_;
  opened_.wait_until(lock, closedAt_ + kLongestClose, [&] { return openings_ != openings; });
}
