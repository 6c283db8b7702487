#include "platform/sys/AutoResetEvent.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "platform/sys/EventWaiter.h"

namespace {

std::chrono::steady_clock::time_point DeadlineAfter(uint32_t timeoutMs) {
  return std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
}

}  // namespace

void AutoResetEvent::Set() {
  std::lock_guard lock(mutex_);
  signalled_ = true;
  changed_.notify_one();
  for (EventWaiter* waiter : waiters_) waiter->Wake();
}

AutoResetEvent::WaitResult AutoResetEvent::Wait(uint32_t timeoutMs) {
  std::unique_lock lock(mutex_);
  if (!changed_.wait_until(lock, DeadlineAfter(timeoutMs), [this] { return signalled_; })) {
    return WaitResult::TimedOut;
  }
  signalled_ = false;
  return WaitResult::Signalled;
}

bool AutoResetEvent::TryConsume() {
  std::lock_guard lock(mutex_);
  return std::exchange(signalled_, false);
}

void AutoResetEvent::AddWaiter(EventWaiter* waiter) {
  std::lock_guard lock(mutex_);
  waiters_.push_back(waiter);
}

void AutoResetEvent::RemoveWaiter(EventWaiter* waiter) {
  std::lock_guard lock(mutex_);
  waiters_.erase(std::find(waiters_.begin(), waiters_.end(), waiter));
}

// The waiter is registered before the first look, so a Set between a look and the sleep raises
// its flag and the sleep returns at once: no signal is missed.
std::optional<size_t> AutoResetEvent::WaitAny(std::initializer_list<AutoResetEvent*> events, uint32_t timeoutMs) {
  EventWaiter waiter;
  for (AutoResetEvent* event : events) event->AddWaiter(&waiter);
  const auto deadline = DeadlineAfter(timeoutMs);
  std::optional<size_t> found;
  for (bool awake = true; !found && awake;) {
    for (size_t i = 0; i < events.size() && !found; ++i) {
      if (events.begin()[i]->TryConsume()) found = i;
    }
    if (!found) awake = waiter.WaitUntil(deadline);
  }
  for (AutoResetEvent* event : events) event->RemoveWaiter(&waiter);
  return found;
}
