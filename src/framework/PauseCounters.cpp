#include "framework/PauseCounters.h"

namespace {

void Step(int& count, bool up) {
  count += up ? 1 : -1;
  if (count < 0) count = 0;
}

}  // namespace

PauseCounters::TimeChange PauseCounters::Pause(bool pauseTime, bool pauseRendering) {
  const bool wasPaused = timePaused();
  Step(timeCount_, pauseTime);
  Step(renderingCount_, pauseRendering);
  if (timePaused() == wasPaused) return TimeChange::None;
  return wasPaused ? TimeChange::Started : TimeChange::Stopped;
}
