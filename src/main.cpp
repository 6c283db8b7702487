#include <iostream>

#include "app/CommandLine.h"
#include "app/DesktopProgram.h"
#include "platform/gui/GuiApplication.h"

int main(int argc, char** argv) {
  const CommandLine command = CommandLine::Parse({argv + 1, argv + argc});
  if (command.action != CommandLine::Action::Run) {
    (command.action == CommandLine::Action::Refuse ? std::cerr : std::cout) << command.text;
    return command.ExitCode();
  }
  GuiApplication gui;
  DesktopProgram program;
  return program.Run(command.path);
}
