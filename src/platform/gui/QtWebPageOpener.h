#pragma once

#include <functional>

#include "platform/gui/WebPageOpener.h"

class QWidget;

// Opens addresses with the desktop's handler (a local path as a file URL). The window to
// minimise, if any, must outlive this object.
class QtWebPageOpener : public WebPageOpener {
 public:
  explicit QtWebPageOpener(std::function<QWidget*()> window) : window_(std::move(window)) {}

  void OpenWebPage(const std::u16string& address) override;

 private:
  std::function<QWidget*()> window_;
};
