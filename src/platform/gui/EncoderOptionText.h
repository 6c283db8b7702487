#pragma once

#include <string>

#include "platform/media/EncoderOption.h"

// Checking and comparing what the user typed for a compressor's option. Numbers are read in the
// "C" notation whatever the desktop's locale, as the encoder library reads them. Any thread.

// The text as the option would be given it: numbers without surrounding blanks, other kinds as
// typed.
std::string OptionFieldValue(const EncoderOption& option, const std::string& text);

// Why text cannot become the option's value, naming the option and what it accepts; empty when
// it can. Integers may span the whole 64-bit range. The option's own default is always
// accepted, even where the library declares a narrower range.
std::u16string OptionTextRefusal(const EncoderOption& option, const std::string& text);

// Whether text gives the option the value it has now. Numbers and check states compare by value,
// so "0.50" is no change from "0.5" nor "true" from "1".
bool OptionTextUnchanged(const EncoderOption& option, const std::string& text);

// Boolean options: whether a value means on ("1" or "true", in any case).
bool OptionTextIsOn(const std::string& text);
// The text of a check state in the style of the option's own values: "true"/"false" where they
// are written so, "1"/"0" otherwise.
std::string OptionBooleanText(const EncoderOption& option, bool on);
