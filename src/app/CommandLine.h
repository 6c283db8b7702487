#pragma once

#include <string>
#include <vector>

// What the desktop program was asked to do by its arguments (without the program name):
// nothing or one folder or photo to open, --help, --version; "--" ends the options, so a path
// may start with "-". Arguments are UTF-8 as the system hands them over.
struct CommandLine {
  enum class Action { Run, Help, Version, Refuse };

  Action action = Action::Run;
  // Run: the folder or photo to open first, as given; empty for the usual start.
  std::u16string path;
  // Help and Version: the text for standard output; Refuse: the reason, for standard error.
  std::string text;

  static CommandLine Parse(const std::vector<std::string>& arguments);
  // The process exit code when the program stops after printing (Help, Version, Refuse).
  int ExitCode() const { return action == Action::Refuse ? 2 : 0; }
};
