#include "platform/gui/QtAboutDialog.h"

#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include "platform/gui/OffscreenApplication.h"

namespace {

class QtAboutDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureOffscreenApplication(); }
};

TEST_F(QtAboutDialogTest, TheClientAreaIsThePictureAndTheButtonSitsNearItsBottom) {
  QImage picture(640, 480, QImage::Format_RGB888);
  picture.fill(Qt::red);
  QtAboutDialog dialog(nullptr, picture, QStringLiteral("Pagewing"), QStringLiteral("OK"), QStringLiteral("version"));
  dialog.FitToPicture();
  EXPECT_EQ(dialog.size(), QSize(640, 480));
  const QPushButton* ok = dialog.findChild<QPushButton*>();
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->y(), 440);
  EXPECT_EQ(ok->x(), 380 - ok->width() / 2);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Pagewing"));

  const QImage shown = dialog.grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(10, 10)), QColor(Qt::red));
}

TEST_F(QtAboutDialogTest, WithoutAPictureTheDialogIsWhiteAndAClickCloses) {
  QtAboutDialog dialog(nullptr, QImage(), QStringLiteral("Pagewing"), QStringLiteral("OK"), QStringLiteral("version"));
  dialog.FitToPicture();
  EXPECT_EQ(QColor(dialog.grab().toImage().pixel(10, 10)), QColor(Qt::white));
  dialog.show();
  QMouseEvent click(QEvent::MouseButtonPress, QPointF(20, 20), QPointF(20, 20), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&dialog, &click);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
