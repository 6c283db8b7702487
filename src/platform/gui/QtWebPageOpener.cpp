#include "platform/gui/QtWebPageOpener.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

void QtWebPageOpener::OpenWebPage(const std::u16string& address) {
  if (QWidget* window = window_()) window->showMinimized();
  const QString text = QString::fromStdU16String(address);
  const QUrl url = text.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(text) : QUrl(text);
  QDesktopServices::openUrl(url);
}
