#include "platform/gui/QtTemplateDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QValidator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gui/DialogHost.h"
#include "platform/gui/QtDialogHost.h"
#include "platform/gui/OffscreenApplication.h"

namespace {

using Kind = DialogControlTemplate::Kind;

constexpr int kNumber = 10;
constexpr int kText = 11;
constexpr int kList = 12;
constexpr int kRadio = 13;
constexpr int kLabel = 14;
constexpr int kFiles = 15;
constexpr int kLoop = 16;

DialogTemplate SmallDialog() {
  return {500,
          200,
          100,
          u"Small",
          {{kNumber, Kind::Edit, 10, 10, 40, 12, u"", true},
           {kText, Kind::Edit, 100, 10, 40, 12, u"", false},
           {kList, Kind::DropDownList, 10, 30, 80, 100, u"", false},
           {kRadio, Kind::RadioButton, 10, 50, 80, 12, u"Radio", false},
           {kLabel, Kind::Label, 100, 50, 80, 12, u"Label", false},
           {kFiles, Kind::ListBox, 100, 30, 90, 18, u"", false},
           {kLoop, Kind::CheckBox, 130, 80, 60, 12, u"Loop", false},
           {1, Kind::DefaultButton, 10, 80, 50, 14, u"OK", false},
           {2, Kind::Button, 70, 80, 50, 14, u"Cancel", false}}};
}

// Writes a value on opening, keeps every change report and accepts OK unless told not to.
class RecordingHandler : public DialogHandler {
 public:
  void OnInit(DialogControls& controls) override {
    controls.SetText(kText, u"opened");
    controls.AddListEntry(kList, u"first");
    controls.AddListEntry(kList, u"second");
  }
  void OnChanged(DialogControls&, int id) override { changes.push_back(id); }
  bool OnOk(DialogControls& controls) override {
    okText = controls.Text(kText);
    return acceptOk;
  }

  std::vector<int> changes;
  std::u16string okText;
  bool acceptOk = true;
};

class QtTemplateDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureOffscreenApplication(); }

  RecordingHandler handler;
};

TEST_F(QtTemplateDialogTest, ControlsAreFoundByIdAndPlacedInDialogUnits) {
  QtTemplateDialog dialog(SmallDialog(), handler, nullptr);
  EXPECT_TRUE(dialog.HasControl(kNumber));
  EXPECT_FALSE(dialog.HasControl(99));
  EXPECT_EQ(dialog.Text(kLabel), u"Label");
  EXPECT_EQ(dialog.Text(99), u"");
  dialog.SetText(99, u"ignored");
  auto* number = dialog.findChildren<QLineEdit*>().at(0);
  auto* text = dialog.findChildren<QLineEdit*>().at(1);
  EXPECT_GT(text->x(), number->x() + number->width());
  EXPECT_GT(dialog.width(), text->x() + text->width());
}

TEST_F(QtTemplateDialogTest, EditsReportEveryChangeAndNumberEditsRefuseLetters) {
  QtTemplateDialog dialog(SmallDialog(), handler, nullptr);
  dialog.SetText(kText, u"ä ⅓ text");
  EXPECT_EQ(dialog.Text(kText), u"ä ⅓ text");
  ASSERT_EQ(handler.changes.size(), 1u);
  EXPECT_EQ(handler.changes[0], kText);
  auto* number = dialog.findChildren<QLineEdit*>().at(0);
  QString letters = QStringLiteral("12a");
  int position = 0;
  EXPECT_EQ(number->validator()->validate(letters, position), QValidator::Invalid);
}

TEST_F(QtTemplateDialogTest, ListsStartWithoutSelectionAndReportTheChoice) {
  QtTemplateDialog dialog(SmallDialog(), handler, nullptr);
  dialog.AddListEntry(kList, u"a");
  dialog.AddListEntry(kList, u"b");
  EXPECT_EQ(dialog.ListCount(kList), 2);
  EXPECT_EQ(dialog.ListSelection(kList), -1);
  EXPECT_TRUE(handler.changes.empty());
  dialog.SetListSelection(kList, 1);
  EXPECT_EQ(dialog.ListSelection(kList), 1);
  EXPECT_EQ(handler.changes, std::vector<int>{kList});
  dialog.SetChecked(kRadio, true);
  EXPECT_TRUE(dialog.Checked(kRadio));
  EXPECT_FALSE(dialog.Checked(kLabel));
}

TEST_F(QtTemplateDialogTest, AListBoxKeepsItsChoiceWhileFilledAndACheckBoxReportsItsClick) {
  QtTemplateDialog dialog(SmallDialog(), handler, nullptr);
  dialog.AddListEntry(kFiles, u"one.mp3");
  dialog.SetListSelection(kFiles, 0);
  dialog.AddListEntry(kFiles, u"two.ogg");
  EXPECT_EQ(dialog.ListCount(kFiles), 2);
  EXPECT_EQ(dialog.ListSelection(kFiles), 0);
  EXPECT_EQ(handler.changes, std::vector<int>{kFiles});
  dialog.ClearList(kFiles);
  EXPECT_EQ(dialog.ListCount(kFiles), 0);
  EXPECT_EQ(dialog.ListSelection(kFiles), -1);

  handler.changes.clear();
  auto* loop = dialog.findChild<QCheckBox*>();
  ASSERT_NE(loop, nullptr);
  loop->click();
  EXPECT_TRUE(dialog.Checked(kLoop));
  EXPECT_EQ(handler.changes, std::vector<int>{kLoop});
  dialog.SetEnabled(kLoop, false);
  EXPECT_FALSE(loop->isEnabled());
}

TEST_F(QtTemplateDialogTest, OkAsksTheLogicAndCancelEndsWithoutIt) {
  QtDialogHost host([] { return static_cast<QWidget*>(nullptr); });
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QMetaObject::invokeMethod(dialog, [dialog] {
      for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("OK")) button->click();
    });
  });
  EXPECT_EQ(host.ShowModal(SmallDialog(), handler), DialogHost::kResultOk);
  EXPECT_EQ(handler.okText, u"opened");

  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_EQ(host.ShowModal(SmallDialog(), handler), DialogHost::kResultCancel);
}

}  // namespace
