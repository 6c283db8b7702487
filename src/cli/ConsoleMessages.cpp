#include "cli/ConsoleMessages.h"

#include "platform/sys/StringConvert.h"

void ConsoleMessages::ShowMessage(const std::u16string& text, Icon icon) {
  if (icon == Icon::Error || icon == Icon::Warning)
    ShowError(ToUtf8(text));
  else
    out_ << ToUtf8(text) << '\n' << std::flush;
}

void ConsoleMessages::ShowLibraryMessage(const std::u16string& text, bool isError) {
  ShowMessage(text, isError ? Icon::Error : Icon::Information);
}

void ConsoleMessages::ShowError(const std::string& text) { err_ << "pagewing-export: " << text << '\n' << std::flush; }
