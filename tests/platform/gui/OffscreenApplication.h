#pragma once

#include <QApplication>

// The one QApplication of a widget test program, on Qt's offscreen platform (no display).
inline void EnsureOffscreenApplication() {
  if (QApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}
