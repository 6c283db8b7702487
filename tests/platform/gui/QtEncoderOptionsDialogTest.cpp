#include "platform/gui/QtEncoderOptionsDialog.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "ModalTimers.h"
#include "platform/gui/OffscreenApplication.h"

namespace {

const std::vector<EncoderOption> kOptions{{"g", u"", EncoderOption::Kind::Integer, -1, 600, {}, "12", "250"}};

void Press(QWidget& dialog, const char* text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == QString::fromLatin1(text)) button->click();
}

class QtEncoderOptionsDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureOffscreenApplication(); }

  QtEncoderOptionsDialog dialogs;
  QObject guard;
};

TEST_F(QtEncoderOptionsDialogTest, SettingsOpenOverTheActiveDialogAndOnlyOkGivesChanges) {
  QDialog choice;
  choice.open();
  QWidget* owner = nullptr;
  WhenModalOpens(guard, [&owner](QWidget& dialog) {
    owner = dialog.parentWidget();
    dialog.findChild<QLineEdit*>(QStringLiteral("g"))->setText(QStringLiteral("60"));
    Press(dialog, "OK");
  });
  EXPECT_EQ(dialogs.ShowSettings(u"mpeg4", kOptions), (EncoderOptionsDialog::Changes{{"g", "60"}}));
  EXPECT_EQ(owner, &choice);

  QObject cancelGuard;
  WhenModalOpens(cancelGuard, [](QWidget& dialog) {
    Press(dialog, "Defaults");
    Press(dialog, "Cancel");
  });
  EXPECT_FALSE(dialogs.ShowSettings(u"mpeg4", kOptions).has_value());
}

TEST_F(QtEncoderOptionsDialogTest, TheAboutBoxShowsTheTextAsItIs) {
  QString caption;
  QString text;
  WhenModalOpens(guard, [&](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    caption = modal.windowTitle();
    text = box != nullptr && box->textFormat() == Qt::PlainText ? box->text() : QString();
    modal.close();
  });
  dialogs.ShowAbout(u"libx264", u"libx264 H.264 / AVC <MPEG-4 AVC>\nlibavcodec 59.37.100");
  EXPECT_EQ(caption, QStringLiteral("About libx264"));
  EXPECT_EQ(text, QStringLiteral("libx264 H.264 / AVC <MPEG-4 AVC>\nlibavcodec 59.37.100"));
}

}  // namespace
