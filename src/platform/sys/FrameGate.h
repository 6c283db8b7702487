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
// While frames run, pieces of work that could go on side by side (a picture's tiles on threads of
// their own) take turns, so that a frame finds one of them in flight, not all of them.
// One for the process, as the frames are; any thread.
class FrameGate {
 public:
  static constexpr std::chrono::milliseconds kLongestClose{250};
  // Frames count as running this long after the last one was drawn: a few frames at 60 a second.
  static constexpr std::chrono::milliseconds kFramesRunFor{100};

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

  // A piece of work that could go on side by side with others of its kind (a picture's tile,
  // decoded on threads of its own). While frames run, the pieces take turns: the threads of the
  // piece whose turn it is pass PassInTurn, those of the others wait there until that piece ends.
  // At rest every piece passes at once.
  class Piece {
   public:
    explicit Piece(FrameGate& gate) : gate_(gate) {}
    ~Piece() { gate_.EndTurn(this); }
    Piece(const Piece&) = delete;
    Piece& operator=(const Piece&) = delete;

    // Pass, and while frames run, once it is this piece's turn.
    void PassInTurn() { gate_.PassInTurn(this); }

   private:
    FrameGate& gate_;
  };

  void Close();
  void Open();
  // Returns once the gate is open, at once on the closing thread.
  void Pass();

 private:
  void PassInTurn(const Piece* piece);
  void EndTurn(const Piece* piece);
  // Whether a frame holds the gate closed or was drawn less than kFramesRunFor ago.
  bool FramesRun() const;

  std::mutex mutex_;
  std::condition_variable opened_;
  std::condition_variable turnEnded_;
  const Piece* turn_ = nullptr;  // the piece whose turn it is while frames run
  bool closed_ = false;
  uint64_t openings_ = 0;  // a waiter woken late still passes once the frame it waited for is done
  std::thread::id closer_;
  std::chrono::steady_clock::time_point closedAt_;
  std::chrono::steady_clock::time_point openedAt_;
};
