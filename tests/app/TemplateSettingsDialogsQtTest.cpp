#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/TemplateSettingsDialogs.h"
#include "platform/gui/OffscreenApplication.h"
#include "platform/gui/QtDialogHost.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "ui/RecordingMessages.h"

// The export settings dialog on real Qt widgets (offscreen): the widgets' own change signals,
// which also fire for the dialog's own writes, must leave the chosen preset in place.
namespace {

QDialog* OpenDialog() { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); }

QComboBox* PresetList(QDialog& dialog) {
  for (QComboBox* list : dialog.findChildren<QComboBox*>())
    if (list->count() == 21) return list;
  return nullptr;
}

void PressOk(QDialog& dialog) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == QStringLiteral("OK")) button->click();
}

class TemplateSettingsDialogsQtTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureOffscreenApplication(); }

  Settings settings{SettingsEnvironment{u"/opt/pagewing", 1024, 768, u"/home/u/Documents/Pagewing"}};
  FLocale locale;
  RecordingMessages messages;
  QtDialogHost host{[] { return static_cast<QWidget*>(nullptr); }};
  TemplateSettingsDialogs dialogs{host, [this]() -> const FLocale& { return locale; }, messages};
};

TEST_F(TemplateSettingsDialogsQtTest, APickedPresetStaysChosenAndReachesTheSettings) {
  int shownPreset = -1;
  QString shownPixelAspect;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    QComboBox* presets = PresetList(*dialog);
    ASSERT_NE(presets, nullptr);
    EXPECT_EQ(presets->currentIndex(), 3);
    presets->setCurrentIndex(19);
    shownPreset = presets->currentIndex();
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
      if (edit->text().contains(u':') && edit->text() != QStringLiteral("16:9")) shownPixelAspect = edit->text();
    PressOk(*dialog);
  });
  EXPECT_TRUE(dialogs.ExportSettingsDialog(settings));
  EXPECT_EQ(shownPreset, 19);
  EXPECT_EQ(shownPixelAspect, QStringLiteral("4:3"));
  EXPECT_EQ(settings.ExportWidth, 1440);
  EXPECT_EQ(settings.ExportHeight, 1080);
  EXPECT_NEAR(settings.ExportPAR, 4.0f / 3.0f, 1e-5f);
}

TEST_F(TemplateSettingsDialogsQtTest, ClosingTheDialogWritesNothing) {
  QTimer::singleShot(0, [] {
    QDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
      if (edit->text() == QStringLiteral("640")) edit->setText(QStringLiteral("800"));
    dialog->close();
  });
  EXPECT_FALSE(dialogs.ExportSettingsDialog(settings));
  EXPECT_EQ(settings.ExportWidth, 640);
}

}  // namespace
