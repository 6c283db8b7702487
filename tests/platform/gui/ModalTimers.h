#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

// Acts on the modal window open once the event loop runs (a dialog's exec, a message box). Should
// none open, or one stay open past a generous time-out, the test fails and the windows close
// instead of hanging it. The timers end with guard, which should live as long as the test.
inline void WhenModalOpens(QObject& guard, std::function<void(QWidget& modal)> act) {
  QTimer::singleShot(0, &guard, [act] {
    if (QWidget* modal = QApplication::activeModalWidget()) return act(*modal);
    ADD_FAILURE() << "no modal window opened";
  });
  QTimer::singleShot(5000, &guard, [] {
    ADD_FAILURE() << "a modal window stayed open";
    while (QWidget* open = QApplication::activeModalWidget()) open->close();
  });
}
