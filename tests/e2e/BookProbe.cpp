// The desktop program with one addition for the end-to-end test: lines on standard input
// "detach" and "attach" move the book's drawing area into a window of its own and back, which
// makes its graphics context anew each time, as a lost device comes back.
#include <QSocketNotifier>
#include <unistd.h>

#include <string>

#include "app/DesktopProgram.h"
#include "platform/gui/GuiApplication.h"

namespace {

std::string ReadLine() {
  std::string line;
  char c = 0;
  while (read(STDIN_FILENO, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

}  // namespace

int main() {
  GuiApplication gui;
  DesktopProgram program;
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    const std::string line = ReadLine();
    if (line == "detach") program.window().DetachDrawingArea();
    if (line == "attach") program.window().AttachDrawingArea();
    if (line.empty()) input.setEnabled(false);
  });
  return program.Run();
}
