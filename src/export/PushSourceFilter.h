#pragma once

#include <cstdint>

#include "dshow/CSource.h"
#include "export/FrameQueue.h"

class FrameCapture;
class PushSourcePin;

// The movie's source filter: one output pin, "Out", that delivers the frames the export draws,
// one at a time and stamped with their movie times. Debug name "PushSource"; no class id of its
// own (it is made directly, never registered).
//
// Create with new and hold in a ComPtr<IBaseFilter>; check status first and drop the filter on
// failure. The graph's calls and PushFrame come from the main thread; the graph's streaming
// thread runs inside the pin.
class PushSourceFilter : public CSource {
 public:
  // capture: not owned, outlives the filter. status: S_OK, E_INVALIDARG without capture,
  // E_OUTOFMEMORY when the pin cannot be made, or the pin's own failure (may be null).
  // timeoutMs: both sides' wait (30 000 in the program; tests pass less).
  PushSourceFilter(FrameCapture* capture, float fps, HRESULT* status,
                   uint32_t timeoutMs = FrameQueue::kDefaultTimeoutMs);
  ~PushSourceFilter() override;

  // Main thread: hands over the frame now in the capture's buffer. Taken: the streaming
  // thread copied it. Stopped: the stream ended (graph stopping, or streaming failed).
  // TimedOut: nobody took it in time; the caller shows FrameQueue::kTimeOutMessage.
  FrameQueue::PushResult PushFrame();

  // The output pin, owned by the filter; null when it could not be made.
  PushSourcePin* Pin() const { return pin_; }

 private:
  PushSourcePin* pin_ = nullptr;
};
