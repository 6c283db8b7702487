#pragma once

#include <array>
#include <string>

// The 117 numbered interface texts. Starts as built-in English; a locale file replaces any
// prefix of the table. Lives from start-up to shut-down; user-interface thread only.
class FLocale {
 public:
  static constexpr int kTextCount = 117;

  FLocale() { Reset(); }

  // Back to built-in English.
  void Reset();
  // Line n of the file becomes text n, up to the first empty line or 117 lines. False, with
  // the table unchanged, when the file cannot be opened.
  bool Load(const std::u16string& path);
  // An index outside 0..116 gives an empty text.
  std::u16string GetText(int index) const;

  static const std::array<const char16_t*, kTextCount>& BuiltInTexts();

 private:
  std::array<std::u16string, kTextCount> texts_;
};
