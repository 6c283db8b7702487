#include <QtCore/qnamespace.h>
#include <gtest/gtest.h>

#include "platform/gui/VirtualKeyMap.h"

namespace {

constexpr unsigned kNone = Qt::NoModifier;
constexpr unsigned kKeypad = Qt::KeypadModifier;

TEST(VirtualKeyMapTest, LettersDigitsAndFunctionKeysKeepTheirCodes) {
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_W, kNone), 'W');
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_A, Qt::ShiftModifier), 'A');
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_1, kNone), '1');
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F1, kNone), 0x70);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F11, kNone), 0x7A);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F12, kNone), 0x7B);
}

TEST(VirtualKeyMapTest, NamedKeysOfTheKeyTable) {
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Backspace, kNone), 0x08);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Tab, kNone), 0x09);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Return, kNone), 0x0D);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Escape, kNone), 0x1B);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Space, kNone), 0x20);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_PageUp, kNone), 0x21);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_PageDown, kNone), 0x22);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Left, kNone), 0x25);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Up, kNone), 0x26);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Right, kNone), 0x27);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Down, kNone), 0x28);
}

TEST(VirtualKeyMapTest, KeypadWithNumLockOnGivesNumpadCodes) {
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_4, kKeypad), 0x64);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_8, kKeypad), 0x68);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_0, kKeypad), 0x60);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Plus, kKeypad), 0x6B);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Minus, kKeypad), 0x6D);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Asterisk, kKeypad), 0x6A);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Slash, kKeypad), 0x6F);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Period, kKeypad), 0x6E);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Enter, kKeypad), 0x0D);
}

TEST(VirtualKeyMapTest, KeypadWithNumLockOffGivesArrowsAndPageKeys) {
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Left, kKeypad), 0x25);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Up, kKeypad), 0x26);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_PageUp, kKeypad), 0x21);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_End, kKeypad), 0x23);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Home, kKeypad), 0x24);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Insert, kKeypad), 0x2D);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Delete, kKeypad), 0x2E);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Clear, kKeypad), 0x0C);
}

TEST(VirtualKeyMapTest, MainKeyboardSymbolsAreNotNumpadKeys) {
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Plus, kNone), 0xBB);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Minus, kNone), 0xBD);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Exclam, Qt::ShiftModifier), '1');
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Dollar, Qt::ShiftModifier), '4');
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_ParenRight, Qt::ShiftModifier), '0');
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Asterisk, Qt::ShiftModifier), '8');
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_unknown, kNone), 0);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_VolumeUp, kNone), 0);
}

TEST(VirtualKeyMapTest, AltCombinationsAndF10AreSystemKeys) {
  EXPECT_TRUE(IsSystemKey(Qt::Key_Return, Qt::AltModifier));
  EXPECT_TRUE(IsSystemKey(Qt::Key_F4, Qt::AltModifier | Qt::ShiftModifier));
  EXPECT_TRUE(IsSystemKey(Qt::Key_F10, kNone));
  EXPECT_FALSE(IsSystemKey(Qt::Key_F9, kNone));
  EXPECT_FALSE(IsSystemKey(Qt::Key_4, kKeypad));
}

TEST(VirtualKeyMapTest, AcceleratorKeysGoBackToQtKeys) {
  EXPECT_EQ(QtKeyFromVirtualKey(0x0D), Qt::Key_Return);
  EXPECT_EQ(QtKeyFromVirtualKey('B'), Qt::Key_B);
  EXPECT_EQ(QtKeyFromVirtualKey(0x74), Qt::Key_F5);
  EXPECT_EQ(QtKeyFromVirtualKey(0x1B), Qt::Key_Escape);
  EXPECT_EQ(QtKeyFromVirtualKey(0xFF), 0);
}

}  // namespace
