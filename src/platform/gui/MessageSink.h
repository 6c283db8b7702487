#pragma once

#include <string>

// Where user-level messages go: a message box with an OK button over the main window (shown
// by nobody while the program runs full screen). User-interface thread only.
class MessageSink {
 public:
  enum class Icon { None, Information, Warning, Error };

  virtual ~MessageSink() = default;
  virtual void ShowMessage(const std::u16string& text, Icon icon) = 0;
};
