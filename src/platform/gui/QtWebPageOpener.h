#pragma once

#include "platform/gui/WebPageOpener.h"

class QWidget;

// Opens addresses with the desktop's handler (a local path as a file URL). The window to
// minimise, if any, must outlive this object.
class QtWebPageOpener : public WebPageOpener {
 public:
  explicit QtWebPageOpener(QWidget* window) : window_(window) {}

  void OpenWebPage(const std::u16string& address) override;

 private:
  QWidget* window_;
};
