#pragma once

// Ctrl+C (SIGINT) and SIGTERM asking a running export to end, as Esc does in the window: the
// handlers only note the signal; the frame loop looks at it between frames. One per process.
class StopSignals {
 public:
  // Installs the handlers; the previous ones come back on destruction.
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The number of the first signal received, 0 while none came.
  int Received() const;
  // The exit code for a run ended by signal: 128 + its number.
  int ExitCode() const { return 128 + Received(); }
};
