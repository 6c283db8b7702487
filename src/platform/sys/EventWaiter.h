#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// The wake-up flag of one thread waiting on several AutoResetEvents: each event it waits on
// raises the flag when set, and the thread then looks at the events again. Used only by
// AutoResetEvent::WaitAny.
class EventWaiter {
 public:
  void Wake();
  // Waits until woken or until deadline; false on time-out. Lowers the flag either way.
  bool WaitUntil(std::chrono::steady_clock::time_point deadline);

 private:
  std::mutex mutex_;
  std::condition_variable woken_;
  bool raised_ = false;
};
