#include "platform/sys/EventWaiter.h"

void EventWaiter::Wake() {
  std::lock_guard lock(mutex_);
  raised_ = true;
  woken_.notify_one();
}

bool EventWaiter::WaitUntil(std::chrono::steady_clock::time_point deadline) {
  std::unique_lock lock(mutex_);
  const bool woken = woken_.wait_until(lock, deadline, [this] { return raised_; });
  raised_ = false;
  return woken;
}
