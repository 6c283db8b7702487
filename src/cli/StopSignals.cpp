#include "cli/StopSignals.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t received = 0;
struct sigaction previousInterrupt;
struct sigaction previousTerminate;

void Note(int signal) {
  if (received == 0) received = signal;
}

}  // namespace

StopSignals::StopSignals() {
  received = 0;
  struct sigaction action {};
  action.sa_handler = Note;
  // Writes and waits under way go on; the frame loop ends the export between frames.
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previousInterrupt);
  sigaction(SIGTERM, &action, &previousTerminate);
}

StopSignals::~StopSignals() {
  sigaction(SIGINT, &previousInterrupt, nullptr);
  sigaction(SIGTERM, &previousTerminate, nullptr);
}

int StopSignals::Received() const { return received; }
