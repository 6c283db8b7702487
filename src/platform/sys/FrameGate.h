#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// Lets background work give way to the frames of an animation. While the thread that draws them
// holds the gate closed, work that passes it at the points where it can stop (a decoder between
// chunks of its input, a filter between bands of rows) waits until the frame is done, so that a
// turning leaf has the cores to itself. The thread that closed the gate passes it at once, and a
// gate left closed longer than kLongestClose no longer holds anyone up: nothing can hang on it.
// One for the process, as the frames are; any thread.
class FrameGate {
 public:
  static constexpr std::chrono::milliseconds kLongestClose{250};

  static FrameGate& Shared();

  // Closed for the lifetime of this object.
  class Closed {
   public:
    explicit Closed(FrameGate& gate) : gate_(gate) { gate_.Close(); }
    ~Closed() { gate_.Open(); }
    Closed(const Closed&) = delete;
    Closed& operator=(const Closed&) = delete;

   private:
    FrameGate& gate_;
  };

  void Close();
  void Open();
  // Returns once the gate is open, at once on the closing thread.
  void Pass();

 private:
  std::mutex mutex_;
  std::condition_variable opened_;
  bool closed_ = false;
  uint64_t openings_ = 0;  // a waiter woken late still passes once the frame it waited for is done
  std::thread::id closer_;
  std::chrono::steady_clock::time_point closedAt_;
};
