#include "app/DesktopProgram.h"
#include "platform/gui/GuiApplication.h"

int main() {
  GuiApplication gui;
  DesktopProgram program;
  return program.Run();
}
