#include "platform/gui/QtAboutBox.h"

#include <QImage>

#include "platform/gui/QtAboutDialog.h"

void QtAboutBox::ShowAboutDialog() {
  // A picture that is missing or unreadable stays null and is simply not drawn.
  const QImage picture(QString::fromStdU16String(picturePath_));
  QtAboutDialog dialog(owner_, picture, QString::fromStdU16String(caption_), QString::fromStdU16String(okText_),
                       QString::fromStdU16String(text_));
  dialog.FitToPicture();
  dialog.exec();
}
