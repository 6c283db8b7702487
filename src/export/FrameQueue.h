#pragma once

#include <atomic>
#include <cstdint>

#include "platform/sys/AutoResetEvent.h"

// The hand-over of movie frames from the user-interface thread, which draws them into the
// capture's frame buffer, to the media graph's streaming thread, which copies them into media
// samples: one frame in flight at a time, so none is dropped or doubled. The buffer itself is
// not here; this is the protocol that guards it, three auto-reset events:
// - frame ready: the main thread has filled the buffer;
// - frame taken: the streaming thread has copied it, the main thread may write it again;
// - stop: the stream is ending; whichever side waits first consumes it.
// The main thread writes the buffer only before its first PushFrame or after one returned; the
// streaming thread reads it only between a FrameReady wait and its FrameTaken.
class FrameQueue {
 public:
  static constexpr uint32_t kDefaultTimeoutMs = 30000;
  // The text to show when PushFrame times out.
  static constexpr char16_t kTimeOutMessage[] = u"Error exporting frame: time-out";

  enum class PushResult { Taken, Stopped, TimedOut };
  enum class WaitResult { FrameReady, Stopped, TimedOut };

  // timeoutMs: how long either side waits for the other before giving up.
  explicit FrameQueue(uint32_t timeoutMs = kDefaultTimeoutMs) : timeoutMs_(timeoutMs) {}
  FrameQueue(const FrameQueue&) = delete;
  FrameQueue& operator=(const FrameQueue&) = delete;

  // Main thread, with a new frame in the buffer: signals it and waits for it to be taken or for
  // the stream to stop; both free the buffer again. Once the stream was stopped every push is
  // Stopped at once: nobody is left to take it, the stop event wakes only one wait, and a frame
  // taken just before the end may have left its "taken" behind for the next push to misread.
  // TimedOut: the streaming side did not answer in time (the caller ends the export with
  // kTimeOutMessage).
  PushResult PushFrame();

  // Streaming thread: waits for the next frame or the stop, stop first when both are set.
  // FrameReady: the buffer may be read, then FrameTaken called. Stopped: the stream ends.
  // TimedOut: no frame came in time, a streaming failure.
  WaitResult WaitForFrame();
  // Streaming thread, once the frame is copied.
  void FrameTaken() { frameTaken_.Set(); }

  // The stream becomes inactive (the graph stops) or ends on its own; any thread.
  void Stop() {
    stopped_ = true;
    stop_.Set();
  }

  uint32_t TimeoutMs() const { return timeoutMs_; }

 private:
  uint32_t timeoutMs_;
  std::atomic<bool> stopped_{false};
  AutoResetEvent stop_;
  AutoResetEvent frameReady_;
  AutoResetEvent frameTaken_;
};
