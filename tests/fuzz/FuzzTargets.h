#pragma once

#include <string_view>

// The entry points the fuzzers and the regression test share. Each takes any bytes as the
// contents of one file of its kind and runs them through the program's own reading code; a
// broken promise of that code (a check below failing) aborts, as a crash would.

// The bytes as the settings file: read, saved and read back.
void FuzzSettingsFile(std::string_view bytes);
// The bytes as a locale file.
void FuzzLocaleFile(std::string_view bytes);
// The bytes as an effect file, loaded onto a device without a context.
void FuzzEffectFile(std::string_view bytes);
// The first byte chooses the file-name extension and the Quality setting; the rest is an image
// file loaded as a photo texture, as the book loads one, onto a device without a context whose
// largest texture is FuzzImageMaxSide a side.
void FuzzImageFile(std::string_view bytes);

inline constexpr int kFuzzImageMaxSide = 4096;
