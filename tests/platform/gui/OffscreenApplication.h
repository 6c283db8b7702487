#pragma once

#include <QtWidgets/QApplication>

// Makes the one application object of a widget test program, on Qt's offscreen platform (no
// display), the first time it is called. It is never destroyed: at exit Qt's own globals may
// already be gone.
inline void EnsureOffscreenApplication() {
  static int argc = 1;
  static char name[] = "test";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  new QApplication(argc, argv);
}
