#include "platform/gui/EncoderOptionText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "platform/sys/StringConvert.h"

namespace {

using Kind = EncoderOption::Kind;

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// from_chars takes a minus sign but no plus sign; a user may type either.
std::string_view WithoutPlus(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

template <class Number, class... Format>
std::optional<Number> ParseWhole(std::string_view text, Format... format) {
  text = WithoutPlus(Trim(text));
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, format...);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int64_t> ParseInteger(std::string_view text) { return ParseWhole<int64_t>(text); }

std::optional<double> ParseReal(std::string_view text) {
  const std::optional<double> value = ParseWhole<double>(text, std::chars_format::general);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

bool InRange(long double value, const EncoderOption& option) {
  return value >= static_cast<long double>(option.minimum) && value <= static_cast<long double>(option.maximum);
}

std::string Lower(std::string_view text) {
  std::string lower(Trim(text));
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

bool IsOff(const std::string& text) { return Lower(text) == "0" || Lower(text) == "false"; }

std::string RealText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

// A bound of an integer option as the integer it allows: the library gives the 64-bit limits as
// doubles, which round one beyond the largest integer.
std::string IntegerText(double bound) {
  constexpr double kLimit = 9223372036854775807.0;
  if (bound >= kLimit) return std::to_string(std::numeric_limits<int64_t>::max());
  if (bound <= -kLimit) return std::to_string(std::numeric_limits<int64_t>::min());
  return std::to_string(static_cast<int64_t>(bound));
}

std::string Accepted(const EncoderOption& option) {
  switch (option.kind) {
    case Kind::Integer:
      return "a whole number from " + IntegerText(option.minimum) + " to " + IntegerText(option.maximum);
    case Kind::Real:
      return "a number from " + RealText(option.minimum) + " to " + RealText(option.maximum);
    case Kind::Boolean:
      return "1 (on) or 0 (off)";
    case Kind::Text:
      return "text";
    case Kind::Choice:
      break;
  }
  std::string list;
  for (const std::string& choice : option.choices) list += (list.empty() ? "" : ", ") + choice;
  return "one of: " + list;
}

bool Acceptable(const EncoderOption& option, const std::string& text) {
  switch (option.kind) {
    case Kind::Integer: {
      const std::optional<int64_t> value = ParseInteger(text);
      return value && InRange(static_cast<long double>(*value), option);
    }
    case Kind::Real: {
      const std::optional<double> value = ParseReal(text);
      return value && InRange(*value, option);
    }
    case Kind::Boolean:
      return OptionTextIsOn(text) || IsOff(text);
    case Kind::Choice:
      return std::find(option.choices.begin(), option.choices.end(), text) != option.choices.end();
    case Kind::Text:
      break;
  }
  return true;
}

std::u16string Refusal(const EncoderOption& option, const std::string& text) {
  std::u16string named = u"\"" + FromUtf8(option.name) + u"\"";
  if (!option.label.empty()) named += u" (" + option.label + u")";
  return u"The value \"" + FromUtf8(text) + u"\" for " + named + u" is refused: it must be " +
         FromUtf8(Accepted(option)) + u".";
}

}  // namespace

std::string OptionFieldValue(const EncoderOption& option, const std::string& text) {
  const bool number = option.kind == Kind::Integer || option.kind == Kind::Real;
  return number ? std::string(Trim(text)) : text;
}

std::u16string OptionTextRefusal(const EncoderOption& option, const std::string& text) {
  const std::string value = OptionFieldValue(option, text);
  if (value == OptionFieldValue(option, option.defaultValue) || Acceptable(option, value)) return {};
  return Refusal(option, value);
}

bool OptionTextUnchanged(const EncoderOption& option, const std::string& text) {
  if (text == option.value) return true;
  if (option.kind == Kind::Integer) {
    const std::optional<int64_t> typed = ParseInteger(text);
    return typed && typed == ParseInteger(option.value);
  }
  if (option.kind == Kind::Real) {
    const std::optional<double> typed = ParseReal(text);
    return typed && typed == ParseReal(option.value);
  }
  if (option.kind == Kind::Boolean) {
    return (OptionTextIsOn(text) && OptionTextIsOn(option.value)) || (IsOff(text) && IsOff(option.value));
  }
  return false;
}

bool OptionTextIsOn(const std::string& text) { return Lower(text) == "1" || Lower(text) == "true"; }

std::string OptionBooleanText(const EncoderOption& option, bool on) {
  const bool worded = Lower(option.value) == "true" || Lower(option.value) == "false" ||
                      Lower(option.defaultValue) == "true" || Lower(option.defaultValue) == "false";
  if (worded) return on ? "true" : "false";
  return on ? "1" : "0";
}
