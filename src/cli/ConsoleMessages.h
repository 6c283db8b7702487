#pragma once

#include <ostream>

#include "platform/gui/LibraryMessages.h"
#include "platform/gui/MessageSink.h"

// The program's message boxes on a console: the export report (the one information message
// of the export) goes to out, every error and warning to err, prefixed with the program's
// name. Both streams must outlive this object. User-interface thread only.
class ConsoleMessages : public MessageSink, public LibraryMessages {
 public:
  ConsoleMessages(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  void ShowMessage(const std::u16string& text, Icon icon) override;
  void ShowLibraryMessage(const std::u16string& text, bool isError) override;
  // An error of the command line itself, in the same form.
  void ShowError(const std::string& text);

 private:
  std::ostream& out_;
  std::ostream& err_;
};
