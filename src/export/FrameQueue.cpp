#include "export/FrameQueue.h"

FrameQueue::PushResult FrameQueue::PushFrame() {
  if (stopped_) return PushResult::Stopped;
  frameReady_.Set();
  const auto which = AutoResetEvent::WaitAny({&stop_, &frameTaken_}, timeoutMs_);
  if (!which) return PushResult::TimedOut;
  return *which == 0 ? PushResult::Stopped : PushResult::Taken;
}

FrameQueue::WaitResult FrameQueue::WaitForFrame() {
  const auto which = AutoResetEvent::WaitAny({&stop_, &frameReady_}, timeoutMs_);
  if (!which) return WaitResult::TimedOut;
  return *which == 0 ? WaitResult::Stopped : WaitResult::FrameReady;
}
