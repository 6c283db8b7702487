#include <gtest/gtest.h>

#include <string>

#include "platform/sys/StringConvert.h"

namespace {

TEST(StringConvertTest, EncodesEachUtf8Length) {
  EXPECT_EQ(ToUtf8(u"A"), "A");
  EXPECT_EQ(ToUtf8(u"\u00E9"), "\xC3\xA9");
  EXPECT_EQ(ToUtf8(u"\u20AC"), "\xE2\x82\xAC");
  EXPECT_EQ(ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(ToUtf8(u"\U0010FFFF"), "\xF4\x8F\xBF\xBF");
  EXPECT_EQ(ToUtf8(u""), "");
}

TEST(StringConvertTest, DecodesEachUtf8Length) {
  EXPECT_EQ(FromUtf8("A"), u"A");
  EXPECT_EQ(FromUtf8("\xC3\xA9"), u"\u00E9");
  EXPECT_EQ(FromUtf8("\xE2\x82\xAC"), u"\u20AC");
  EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80"), u"\U0001F600");
  EXPECT_EQ(FromUtf8(""), u"");
}

TEST(StringConvertTest, RoundTripsMixedTextWithSurrogatePairs) {
  const std::u16string text = u"/home/\u00FCser/Fotos \u65E5\u672C/\U0001F600\U00010000\U0010FFFF.jpg";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  const std::u16string boundaries = u"\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF";
  EXPECT_EQ(FromUtf8(ToUtf8(boundaries)), boundaries);
}

TEST(StringConvertTest, LoneSurrogatesBecomeReplacement) {
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t{0xD83D})), "\xEF\xBF\xBD");
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t{0xDE00})), "\xEF\xBF\xBD");
  // A high surrogate followed by a plain character must not swallow that character.
  EXPECT_EQ(ToUtf8(std::u16string{char16_t{0xD83D}, u'x'}), "\xEF\xBF\xBDx");
  // Reversed pair: two separate replacements.
  EXPECT_EQ(ToUtf8(std::u16string{char16_t{0xDE00}, char16_t{0xD83D}}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(StringConvertTest, InvalidUtf8BecomesReplacement) {
  EXPECT_EQ(FromUtf8("a\x80z"), u"a\uFFFDz");                  // stray continuation byte
  EXPECT_EQ(FromUtf8("a\xFFz"), u"a\uFFFDz");                  // never a lead byte
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD");                  // overlong "/"
  EXPECT_EQ(FromUtf8("\xE0\x80\xAF"), u"\uFFFD");              // overlong "/"
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD");              // encoded surrogate
  EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), u"\uFFFD");          // above U+10FFFF
  EXPECT_EQ(FromUtf8("\xF5\x80\x80\x80").front(), u'\uFFFD');  // lead beyond F4
  EXPECT_EQ(FromUtf8("\xE2\x82"), u"\uFFFD");                  // truncated at the end
}

TEST(StringConvertTest, TruncatedSequenceKeepsTheFollowingCharacter) {
  const std::string euroStart = "\xE2\x82", smileyStart = "\xF0\x9F\x98";
  EXPECT_EQ(FromUtf8(euroStart + "A"), u"\uFFFDA");
  EXPECT_EQ(FromUtf8(smileyStart + "\xC3\xA9"), u"\uFFFD\u00E9");
}

TEST(StringConvertTest, Latin1WidensEveryByteToItsCodePoint) {
  EXPECT_EQ(WidenLatin1("caf\xE9"), u"caf\u00E9");
  EXPECT_EQ(WidenLatin1(std::string("\x00\x7F\x80\xFF", 4)), (std::u16string{0x00, 0x7F, 0x80, 0xFF}));
  EXPECT_EQ(WidenLatin1(""), u"");
}

}  // namespace
