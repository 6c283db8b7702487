#pragma once

#include <string>

#include "platform/gui/WebPageOpener.h"

// Hands only web pages on to the desktop's opener: a non-empty address without an extension or
// with one of HTML, HTM, PHP, JSP, ASP (any case; a query or fragment after "?" or "#" does not
// count). Anything else, a PDF or a program, is ignored. The opener must outlive this object.
class CheckedWebPageOpener : public WebPageOpener {
 public:
  explicit CheckedWebPageOpener(WebPageOpener& opener) : opener_(opener) {}

  static bool IsWebPageAddress(const std::u16string& address);
  void OpenWebPage(const std::u16string& address) override;

 private:
  WebPageOpener& opener_;
};
