#include "app/CommandLine.h"

#include "app/ProgramVersion.h"
#include "platform/sys/StringConvert.h"

namespace {

constexpr char kHelp[] =
    "Usage: pagewing [FOLDER | PHOTO]\n"
    "Shows the photos of a folder as a 3-D photo book.\n"
    "With a folder, or a photo in it, the book opens that folder; without, the folder opened last.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

CommandLine Printing(CommandLine::Action action, std::string text) {
  CommandLine line;
  line.action = action;
  line.text = std::move(text);
  return line;
}

CommandLine Refused(const std::string& reason) {
  return Printing(CommandLine::Action::Refuse, "pagewing: " + reason + "\nTry 'pagewing --help'.\n");
}

}  // namespace

CommandLine CommandLine::Parse(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool optionsEnded = false;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument == "--help") {
      return Printing(Action::Help, kHelp);
    } else if (!optionsEnded && argument == "--version") {
      return Printing(Action::Version, "Pagewing " + ToUtf8(kProgramVersion) + "\n");
    } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
      return Refused("unknown option '" + argument + "'");
    } else if (!line.path.empty() || argument.empty()) {
      return Refused(argument.empty() ? "an empty path was given" : "only one folder or photo can be opened");
    } else {
      line.path = FromUtf8(argument);
    }
  }
  return line;
}
