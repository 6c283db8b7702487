#include "platform/gui/VirtualKeyMap.h"

#include <QtCore/qnamespace.h>

#include <utility>

namespace {

constexpr int kNumpad0 = 0x60, kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F;
constexpr int kF1 = 0x70;

// Keys whose virtual key differs from Qt's number, wherever they are on the keyboard.
constexpr std::pair<int, int> kNamedKeys[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},    {Qt::Key_Backtab, 0x09},  {Qt::Key_Clear, 0x0C},
    {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},  {Qt::Key_Shift, 0x10},    {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},       {Qt::Key_Pause, 0x13},  {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},     {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},      {Qt::Key_Left, 0x25},   {Qt::Key_Up, 0x26},       {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},      {Qt::Key_Print, 0x2C},  {Qt::Key_Insert, 0x2D},   {Qt::Key_Delete, 0x2E},
    {Qt::Key_Help, 0x2F},      {Qt::Key_Meta, 0x5B},   {Qt::Key_Menu, 0x5D},     {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91}};

// Punctuation keys of a US layout, unshifted and shifted, and their virtual keys.
constexpr std::pair<int, int> kPunctuation[] = {
    {Qt::Key_Semicolon, 0xBA},  {Qt::Key_Colon, 0xBA},      {Qt::Key_Equal, 0xBB},        {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},      {Qt::Key_Less, 0xBC},       {Qt::Key_Minus, 0xBD},        {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},     {Qt::Key_Greater, 0xBE},    {Qt::Key_Slash, 0xBF},        {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},  {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BracketLeft, 0xDB},  {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},  {Qt::Key_Bar, 0xDC},        {Qt::Key_BracketRight, 0xDD}, {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE}, {Qt::Key_QuoteDbl, 0xDE}};

// The digit keys' shifted characters on a US layout, in the order of the digits 0..9.
constexpr int kShiftedDigits[] = {Qt::Key_ParenRight, Qt::Key_Exclam,   Qt::Key_At,          Qt::Key_NumberSign,
                                  Qt::Key_Dollar,     Qt::Key_Percent,  Qt::Key_AsciiCircum, Qt::Key_Ampersand,
                                  Qt::Key_Asterisk,   Qt::Key_ParenLeft};

int Lookup(const auto& table, int qtKey) {
  for (const auto& [key, virtualKey] : table) {
    if (key == qtKey) return virtualKey;
  }
  return 0;
}

int KeypadKey(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return kNumpad0 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk:
      return kMultiply;
    case Qt::Key_Plus:
      return kAdd;
    case Qt::Key_Minus:
      return kSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma:
      return kDecimal;
    case Qt::Key_Slash:
      return kDivide;
    default:
      return 0;
  }
}

int MainKey(int qtKey) {
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kF1 + (qtKey - Qt::Key_F1);
  for (int digit = 0; digit < 10; ++digit) {
    if (kShiftedDigits[digit] == qtKey) return Qt::Key_0 + digit;
  }
  if (const int named = Lookup(kNamedKeys, qtKey)) return named;
  return Lookup(kPunctuation, qtKey);
}

}  // namespace

int VirtualKeyFromQtKey(int qtKey, unsigned modifiers) {
  if ((modifiers & Qt::KeypadModifier) != 0) {
    if (const int keypad = KeypadKey(qtKey)) return keypad;
  }
  return MainKey(qtKey);
}

bool IsSystemKey(int qtKey, unsigned modifiers) { return (modifiers & Qt::AltModifier) != 0 || qtKey == Qt::Key_F10; }

int QtKeyFromVirtualKey(int virtualKey) {
  if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z')) return virtualKey;
  if (virtualKey >= kF1 && virtualKey < kF1 + 24) return Qt::Key_F1 + (virtualKey - kF1);
  for (const auto& [key, code] : kNamedKeys) {
    if (code == virtualKey) return key;
  }
  return 0;
}
