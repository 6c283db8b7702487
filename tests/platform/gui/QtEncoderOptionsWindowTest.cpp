#include "platform/gui/QtEncoderOptionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>

#include <gtest/gtest.h>

#include "ModalTimers.h"
#include "platform/gui/OffscreenApplication.h"

namespace {

using Kind = EncoderOption::Kind;
using Changes = EncoderOptionsDialog::Changes;

std::vector<EncoderOption> X264Options() {
  return {{"b", u"set bitrate (in bits/s)", Kind::Integer, 0, 9223372036854775807.0, {}, "200000", "800000"},
          {"g", u"", Kind::Integer, -1, 2147483647.0, {}, "12", "250"},
          {"qcompress", u"compression <VBR> & more", Kind::Real, 0, 1, {}, "0.5", "0.5"},
          {"mbtree", u"", Kind::Boolean, -1, 1, {}, "auto", "auto"},
          {"preset", u"", Kind::Choice, 0, 0, {"ultrafast", "medium", "slow"}, "medium", "medium"},
          {"coder", u"", Kind::Choice, 0, 0, {"vlc", "ac"}, "vlc", "7"},
          {"x264opts", u"", Kind::Text, 0, 0, {}, "", ""}};
}

class QtEncoderOptionsWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureOffscreenApplication(); }

  template <class Field>
  Field* FieldOf(const char* name) {
    return window.findChild<Field*>(QString::fromLatin1(name));
  }
  void Press(const char* text) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
      if (button->text() == QString::fromLatin1(text)) button->click();
  }

  QtEncoderOptionsWindow window{u"libx264", X264Options(), nullptr};
};

TEST_F(QtEncoderOptionsWindowTest, EachOptionGetsAScrollingRowWithAFieldOfItsKind) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("libx264 Settings"));
  for (const char* name : {"b", "g", "qcompress", "x264opts"}) ASSERT_NE(FieldOf<QLineEdit>(name), nullptr) << name;
  ASSERT_NE(FieldOf<QCheckBox>("mbtree"), nullptr);
  ASSERT_NE(FieldOf<QComboBox>("preset"), nullptr);
  ASSERT_NE(FieldOf<QComboBox>("coder"), nullptr);
  EXPECT_EQ(FieldOf<QLineEdit>("b")->text(), QStringLiteral("800000"));
  EXPECT_EQ(FieldOf<QLineEdit>("qcompress")->text(), QStringLiteral("0.5"));
  EXPECT_FALSE(FieldOf<QCheckBox>("mbtree")->isChecked());
  EXPECT_EQ(FieldOf<QComboBox>("preset")->count(), 3);
  EXPECT_EQ(FieldOf<QComboBox>("preset")->currentText(), QStringLiteral("medium"));
  EXPECT_EQ(FieldOf<QComboBox>("coder")->currentText(), QStringLiteral("7"));  // a value the list does not name
  EXPECT_TRUE(FieldOf<QLineEdit>("x264opts")->text().isEmpty());
  const QScrollArea* scroller = window.findChild<QScrollArea*>();
  ASSERT_NE(scroller, nullptr);
  EXPECT_TRUE(scroller->widget()->isAncestorOf(FieldOf<QLineEdit>("b")));
  bool helpAsIs = false;
  for (const QLabel* label : scroller->widget()->findChildren<QLabel*>())
    helpAsIs |= label->text() == QStringLiteral("compression <VBR> & more") && label->textFormat() == Qt::PlainText;
  EXPECT_TRUE(helpAsIs);
  EXPECT_TRUE(window.Changes().empty());
}

TEST_F(QtEncoderOptionsWindowTest, OnlyValuesTheUserChangedAreReturned) {
  FieldOf<QLineEdit>("b")->setText(QStringLiteral(" 5000000000 "));
  FieldOf<QLineEdit>("qcompress")->setText(QStringLiteral("0.50"));
  FieldOf<QComboBox>("preset")->setCurrentIndex(2);
  FieldOf<QCheckBox>("mbtree")->setChecked(true);
  EXPECT_EQ(window.Changes(), (Changes{{"b", "5000000000"}, {"mbtree", "1"}, {"preset", "slow"}}));
  FieldOf<QCheckBox>("mbtree")->setChecked(false);  // back as it was: still "auto"
  EXPECT_EQ(window.Changes(), (Changes{{"b", "5000000000"}, {"preset", "slow"}}));
}

TEST_F(QtEncoderOptionsWindowTest, DefaultsShowEveryDefaultAndReturnWhereTheyDiffer) {
  FieldOf<QLineEdit>("qcompress")->setText(QStringLiteral("0.9"));
  Press("Defaults");
  EXPECT_EQ(FieldOf<QLineEdit>("b")->text(), QStringLiteral("200000"));
  EXPECT_EQ(FieldOf<QComboBox>("coder")->currentText(), QStringLiteral("vlc"));
  EXPECT_EQ(window.Changes(), (Changes{{"b", "200000"}, {"coder", "vlc"}, {"g", "12"}}));
}

TEST_F(QtEncoderOptionsWindowTest, OkRefusesAValueOutOfRangeAndStaysOpen) {
  window.open();
  FieldOf<QLineEdit>("g")->setText(QStringLiteral("2147483648"));
  FieldOf<QLineEdit>("b")->setText(QStringLiteral("lots"));
  QString shown;
  QObject guard;
  WhenModalOpens(guard, [&shown](QWidget& modal) {
    shown = qobject_cast<QMessageBox*>(&modal) != nullptr ? static_cast<QMessageBox&>(modal).text() : QString();
    modal.close();
  });
  Press("OK");
  EXPECT_TRUE(shown.startsWith(QStringLiteral("The value \"lots\" for \"b\""))) << shown.toStdString();
  EXPECT_TRUE(window.isVisible());

  FieldOf<QLineEdit>("b")->setText(QStringLiteral("1000"));
  EXPECT_NE(window.Refusal().find(u"\"g\""), std::u16string::npos);
  FieldOf<QLineEdit>("g")->setText(QStringLiteral("-1"));
  QObject lastGuard;
  WhenModalOpens(lastGuard, [](QWidget& modal) {
    ADD_FAILURE() << "a good value was refused";
    modal.close();
  });
  Press("OK");
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(window.Changes(), (Changes{{"b", "1000"}, {"g", "-1"}}));
}

}  // namespace
