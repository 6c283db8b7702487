#include "export/RatioText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int kLargestTerm = 39;
constexpr float kRatioTolerance = 0.0001f;

struct Fraction {
  int numerator = 0;
  int denominator = 0;
};

// Smallest numerator + denominator wins; among equals the first found.
Fraction SimplestFraction(float value) {
  Fraction best;
  for (int i = 1; i <= kLargestTerm; ++i) {
    for (int j = 1; j <= kLargestTerm; ++j) {
      if (!(std::fabs(static_cast<float>(i) / static_cast<float>(j) - value) < kRatioTolerance)) continue;
      if (best.numerator == 0 || i + j < best.numerator + best.denominator) best = {i, j};
    }
  }
  return best;
}

std::u16string Widened(const char* begin, const char* end) { return std::u16string(begin, end); }

std::u16string GeneralFormat(float value) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::general, 6);
  return Widened(buffer, result.ptr);
}

// The leading run of characters a decimal number can be made of, narrowed to ASCII.
std::string NumberCharacters(std::u16string_view text) {
  size_t start = 0;
  while (start < text.size() && (text[start] == u' ' || text[start] == u'\t')) ++start;
  std::string narrow;
  for (size_t at = start; at < text.size() && text[at] < 0x80; ++at) {
    const char c = static_cast<char>(text[at]);
    if (std::string_view("0123456789+-.eE").find(c) == std::string_view::npos) break;
    narrow.push_back(c);
  }
  return narrow;
}

// A number too large for a float is as unreadable as text.
float ReadFloat(std::u16string_view text) {
  const float value = static_cast<float>(ParseDecimalText(text));
  return std::isfinite(value) ? value : 0;
}

}  // namespace

std::u16string FormatRatioText(float value) {
  const Fraction fraction = SimplestFraction(value);
  if (fraction.numerator == 0) return GeneralFormat(value);
  const std::string text = std::to_string(fraction.numerator) + ":" + std::to_string(fraction.denominator);
  return Widened(text.data(), text.data() + text.size());
}

float ParseRatioText(std::u16string_view text) {
  const size_t colon = text.find(u':');
  if (colon == std::u16string_view::npos) return ReadFloat(text);
  const float numerator = ReadFloat(text.substr(0, colon));
  if (!(numerator > 0)) return 0;
  const float denominator = ReadFloat(text.substr(colon + 1));
  if (!(denominator > 0)) return 0;
  const float ratio = numerator / denominator;
  return std::isfinite(ratio) ? ratio : 0;
}

double ParseDecimalText(std::u16string_view text) {
  std::string narrow = NumberCharacters(text);
  // The C library takes a leading plus sign; from_chars does not.
  if (narrow.size() > 1 && narrow[0] == '+' && narrow[1] != '-') narrow.erase(0, 1);
  double value = 0;
  const auto result = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0;
  return value;
}
