#pragma once

// How often time and rendering have been paused and not yet resumed. Each counter stays at 0 or
// above however unbalanced the calls. One thread: the user-interface thread.
class PauseCounters {
 public:
  // What a Pause call changed for the timer.
  enum class TimeChange { None, Stopped, Started };

  // Each true increments, each false decrements its counter.
  TimeChange Pause(bool pauseTime, bool pauseRendering);
  bool timePaused() const { return timeCount_ > 0; }
  bool renderingPaused() const { return renderingCount_ > 0; }
  int timeCount() const { return timeCount_; }
  int renderingCount() const { return renderingCount_; }

 private:
  int timeCount_ = 0;
  int renderingCount_ = 0;
};
