#pragma once

#include <cstdint>
#include <string>

// What the settings defaults depend on outside the settings themselves.
struct SettingsEnvironment {
  std::u16string programFolder;  // holds media/ and any legacy settings file
  int32_t screenWidth = 0;       // primary screen, for the centred default window
  int32_t screenHeight = 0;
  std::u16string moviesFolder;  // default movie output path; empty when it could not be made

  // The running program's folder and the documents folder "Pagewing" (created when missing).
  static SettingsEnvironment FromSystem(int32_t screenWidth, int32_t screenHeight);
};
