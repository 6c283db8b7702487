#pragma once

#include <string>

// Opens a web page in the user's browser. User-interface thread only.
class WebPageOpener {
 public:
  virtual ~WebPageOpener() = default;
  // Minimises the main window and asks the desktop to open address. Which addresses may be
  // opened is the caller's choice (CheckedWebPageOpener); failures are not reported.
  virtual void OpenWebPage(const std::u16string& address) = 0;
};
