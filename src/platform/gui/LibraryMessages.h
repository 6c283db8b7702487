#pragma once

#include <string>

// Technical messages of the framework and the movie export: a task-modal box without an owner
// window, caption "Oxbow", with the error icon when isError and the information icon otherwise.
// User-interface thread only.
class LibraryMessages {
 public:
  virtual ~LibraryMessages() = default;
  virtual void ShowLibraryMessage(const std::u16string& text, bool isError) = 0;
};
