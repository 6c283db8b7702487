#pragma once

#include <string_view>

// Developer diagnostics: the text goes to stderr as it is (callers end it with a line feed).
// Any thread may call it.
void DebugOutput(std::u16string_view text);
