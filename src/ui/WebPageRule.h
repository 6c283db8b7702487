#pragma once

#include <string>

// Whether the user guide command may hand an address to the desktop's web browser: a non-empty
// address without an extension or with one of HTML, HTM, PHP, JSP, ASP (any case; a query or
// fragment after "?" or "#" does not count). Anything else, a PDF or a program, is not opened.
bool IsWebPageAddress(const std::u16string& address);
