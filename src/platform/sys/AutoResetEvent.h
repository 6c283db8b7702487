#pragma once

#include <condition_variable>
#include <cstdint>
#include <initializer_list>
#include <mutex>
#include <optional>
#include <vector>

class EventWaiter;

// An event that stays set until one wait sees it, which clears it again: each Set releases at
// most one waiter, and a Set with nobody waiting is kept for the next wait. Created unsignalled.
// Any thread may call any operation; the event must outlive every wait on it.
class AutoResetEvent {
 public:
  enum class WaitResult { Signalled, TimedOut };

  AutoResetEvent() = default;
  AutoResetEvent(const AutoResetEvent&) = delete;
  AutoResetEvent& operator=(const AutoResetEvent&) = delete;

  void Set();
  // Waits up to timeoutMs milliseconds (0: only looks) and consumes the signal it sees.
  WaitResult Wait(uint32_t timeoutMs);

  // Waits up to timeoutMs for any of events and consumes exactly one signal: that of the first
  // event in the list that is set, so earlier events win when several are set. The index of
  // that event, or nothing on time-out (an empty list waits out the time-out). No event may be
  // null.
  static std::optional<size_t> WaitAny(std::initializer_list<AutoResetEvent*> events, uint32_t timeoutMs);

 private:
  bool TryConsume();
  void AddWaiter(EventWaiter* waiter);
  void RemoveWaiter(EventWaiter* waiter);

  std::mutex mutex_;
  std::condition_variable changed_;
  bool signalled_ = false;
  // Threads in WaitAny that include this event; woken on every Set.
  std::vector<EventWaiter*> waiters_;
};
