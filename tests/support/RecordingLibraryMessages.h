#pragma once

#include <string>
#include <vector>

#include "platform/gui/LibraryMessages.h"
#include "platform/sys/StringConvert.h"

// Keeps every technical message instead of showing it; texts come back as UTF-8 so that a
// failed comparison prints readably. Test thread only.
class RecordingLibraryMessages final : public LibraryMessages {
 public:
  void ShowLibraryMessage(const std::u16string& text, bool isError) override {
    texts_.push_back(ToUtf8(text));
    errors_ += isError ? 1 : 0;
  }

  const std::vector<std::string>& Texts() const { return texts_; }
  // How many of the messages carried the error icon.
  int Errors() const { return errors_; }

 private:
  std::vector<std::string> texts_;
  int errors_ = 0;
};
