#include "platform/gui/QtAboutBox.h"

#include <QImage>

#include "platform/gui/QtAboutDialog.h"

void QtAboutBox::ShowAboutDialog() {
  const QImage picture(QString::fromStdU16String(picturePath_));
  const AboutBoxTexts texts = texts_();
  QtAboutDialog dialog(owner_(), picture, QString::fromStdU16String(texts.caption),
                       QString::fromStdU16String(texts.okText), QString::fromStdU16String(texts.text));
  dialog.FitToPicture();
  dialog.exec();
}
