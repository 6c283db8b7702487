#include "settings/FLocale.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/sys/StringConvert.h"
#include "support/TempFolder.h"

namespace {

const std::set<int> kReserved = {43, 46, 49, 50, 51, 57, 58, 59, 60, 61, 62, 64, 66, 87, 88, 89, 95};

// The English locale file shipped with the program. The data folder is named by the build, not
// found from __FILE__, which a compiler cache may have made relative.
std::u16string ShippedEnglishPath() { return FromUtf8(PAGEWING_DATA_DIR "/Locales/English.txt"); }

// UTF-16LE bytes with a byte-order mark, every line ended by CR LF.
std::string Utf16Lines(const std::vector<std::u16string>& lines) {
  std::u16string text;
  for (const std::u16string& line : lines) text += line + u"\r\n";
  return std::string("\xFF\xFE", 2) + Utf16LeBytes(text);
}

std::vector<std::u16string> TextsOf(const FLocale& locale) {
  std::vector<std::u16string> texts;
  for (int i = 0; i < FLocale::kTextCount; ++i) texts.push_back(locale.GetText(i));
  return texts;
}

std::vector<std::u16string> BuiltIn() { return TextsOf(FLocale()); }

class FLocaleTest : public testing::Test {
 protected:
  bool LoadBytes(const std::string& bytes) {
    WriteBytes(path_, bytes);
    return locale_.Load(path_);
  }
  bool LoadLines(const std::vector<std::u16string>& lines) { return LoadBytes(Utf16Lines(lines)); }

  // Expects entries from..122 to hold their built-in English texts.
  void ExpectEnglishFrom(int from) const {
    for (int i = from; i < FLocale::kTextCount; ++i)
      EXPECT_EQ(locale_.GetText(i), FLocale::BuiltInTexts()[i]) << "entry " << i;
  }

  TempFolder folder_;
  std::u16string path_ = folder_ / u"Locale.txt";
  FLocale locale_;
};

TEST(FLocaleBuiltInTest, HoldsNonEmptyTextsWithReservedEntriesReadingXXX) {
  ASSERT_EQ(FLocale::BuiltInTexts().size(), 123u);
  const std::vector<std::u16string> texts = BuiltIn();
  for (int i = 0; i < FLocale::kTextCount; ++i) {
    EXPECT_FALSE(texts[i].empty()) << "entry " << i;
    EXPECT_EQ(texts[i] == u"XXX", kReserved.count(i) == 1) << "entry " << i;
    EXPECT_EQ(texts[i], FLocale::BuiltInTexts()[i]) << "entry " << i;
  }
}

TEST(FLocaleBuiltInTest, SpotValues) {
  const std::vector<std::u16string> texts = BuiltIn();
  EXPECT_EQ(texts[0], u"File");
  EXPECT_EQ(texts[2], u"Recent Folders");
  EXPECT_EQ(texts[15], u"Delete...");
  EXPECT_EQ(texts[42], u"Set Language...");
  EXPECT_EQ(texts[56], u"version");
  EXPECT_EQ(texts[70], u"Now switching to built-in English");
  EXPECT_EQ(texts[73], u"Export as Movie...");
  EXPECT_EQ(texts[76], u"Export as Movie...");
  EXPECT_EQ(texts[99], u"Sort by Date");
  EXPECT_EQ(texts[105], u"Hardware Antialiasing: Make Screengrabs");
  EXPECT_EQ(texts[107], u"Exporting");
  EXPECT_EQ(texts[110], u"Frame");
  EXPECT_EQ(texts[112], u"left");
  EXPECT_EQ(texts[109], u"Could not open this folder or photo:");
  EXPECT_EQ(texts[108], u"Use Camera Orientation");
  EXPECT_EQ(texts[113], u"Play Tour");
  EXPECT_EQ(texts[114], u"Repeat Tour");
  EXPECT_EQ(texts[116], u"Right-to-Left Book");
  EXPECT_EQ(texts[117], u"Soundtrack");
  EXPECT_EQ(texts[48],
            u"Your can select a photo by left clicking on it with your mouse.\r\n\r\n"
            u"When you right click on a photo a pop-up menu is displayed!");
}

TEST(FLocaleBuiltInTest, IndexOutsideTableGivesEmptyText) {
  const FLocale locale;
  EXPECT_EQ(locale.GetText(122), u"Select Audio File...");
  EXPECT_EQ(locale.GetText(123), u"");
  EXPECT_EQ(locale.GetText(-1), u"");
  EXPECT_EQ(locale.GetText(100000), u"");
}

TEST(FLocaleBuiltInTest, ShippedEnglishFileGivesExactlyTheBuiltInTable) {
  const std::u16string path = ShippedEnglishPath();
  ASSERT_EQ(ReadBytes(path).substr(0, 2), std::string("\xFF\xFE", 2)) << ToUtf8(path);
  FLocale locale;
  ASSERT_TRUE(locale.Load(path));
  EXPECT_EQ(TextsOf(locale), BuiltIn());
}

TEST_F(FLocaleTest, ShortFileReplacesOnlyItsPrefix) {
  ASSERT_TRUE(LoadLines({u"Fichier", u"S\u00E9lectionner un dossier"}));
  EXPECT_EQ(locale_.GetText(0), u"Fichier");
  EXPECT_EQ(locale_.GetText(1), u"S\u00E9lectionner un dossier");
  ExpectEnglishFrom(2);
}

TEST_F(FLocaleTest, EscapesBecomeLineBreaksAndQuotes) {
  ASSERT_TRUE(
      LoadLines({u"A<NEW LINE>B", u"A\\nB", u"<QUOTE>x<QUOTE>", u"A<br />B", u"&#34;y&#34;", u"\\n<NEW LINE>\\n"}));
  EXPECT_EQ(locale_.GetText(0), u"A\r\nB");
  EXPECT_EQ(locale_.GetText(1), u"A\r\nB");
  EXPECT_EQ(locale_.GetText(2), u"\"x\"");
  EXPECT_EQ(locale_.GetText(3), u"A\r\nB");
  EXPECT_EQ(locale_.GetText(4), u"\"y\"");
  EXPECT_EQ(locale_.GetText(5), u"\r\n\r\n\r\n");
}

TEST_F(FLocaleTest, WholeLineIsTheTextWithoutTokenising) {
  ASSERT_TRUE(LoadLines({u"  two words\tand \"quoted\" ", u"\t", u"\"", u"a\"b c\"d"}));
  EXPECT_EQ(locale_.GetText(0), u"  two words\tand \"quoted\" ");
  EXPECT_EQ(locale_.GetText(1), u"\t");
  EXPECT_EQ(locale_.GetText(2), u"\"");
  EXPECT_EQ(locale_.GetText(3), u"a\"b c\"d");
}

TEST_F(FLocaleTest, ReadingStopsAtFirstEmptyLine) {
  ASSERT_TRUE(LoadLines({u"Eins", u"", u"Drei", u"Vier"}));
  EXPECT_EQ(locale_.GetText(0), u"Eins");
  ExpectEnglishFrom(1);
}

TEST_F(FLocaleTest, EmptyFirstLineKeepsEverythingEnglishButStillLoads) {
  EXPECT_TRUE(LoadLines({u"", u"Zwei"}));
  EXPECT_EQ(TextsOf(locale_), BuiltIn());
  EXPECT_TRUE(LoadBytes(""));
  EXPECT_EQ(TextsOf(locale_), BuiltIn());
}

TEST_F(FLocaleTest, OnlyTheFirst123LinesAreUsed) {
  std::vector<std::u16string> lines;
  for (int i = 0; i < 200; ++i) lines.push_back(u"Line " + WidenLatin1(std::to_string(i)));
  ASSERT_TRUE(LoadLines(lines));
  EXPECT_EQ(locale_.GetText(0), u"Line 0");
  EXPECT_EQ(locale_.GetText(122), u"Line 122");
  EXPECT_EQ(locale_.GetText(123), u"");
}

TEST_F(FLocaleTest, LastLineWithoutLineBreakIsNotRead) {
  ASSERT_TRUE(LoadBytes(Utf16Lines({u"Eins"}) + Utf16LeBytes(u"Zwei")));
  EXPECT_EQ(locale_.GetText(0), u"Eins");
  ExpectEnglishFrom(1);
}

TEST_F(FLocaleTest, LongLineIsCutAt3000CharactersBeforeEscapesApply) {
  const std::u16string filler(2995, u'a');
  ASSERT_TRUE(LoadLines({std::u16string(3500, u'x'), filler + u"<NEW LINE>", u"next"}));
  EXPECT_EQ(locale_.GetText(0), std::u16string(3000, u'x'));
  // The cut leaves "<NEW " of the escape, which is no escape any more.
  EXPECT_EQ(locale_.GetText(1), filler + u"<NEW ");
  EXPECT_EQ(locale_.GetText(2), u"next");
  ExpectEnglishFrom(3);
}

TEST_F(FLocaleTest, FileWithoutByteOrderMarkIsLatin1OneBytePerCharacter) {
  ASSERT_TRUE(LoadBytes("Caf\xE9\r\nUTF\xC3\xA9\nLF only\n"));
  EXPECT_EQ(locale_.GetText(0), u"Caf\u00E9");
  EXPECT_EQ(locale_.GetText(1), u"UTF\u00C3\u00A9");
  EXPECT_EQ(locale_.GetText(2), u"LF only");
  ExpectEnglishFrom(3);
}

TEST_F(FLocaleTest, Utf16FileKeepsCharactersOutsideLatin1) {
  ASSERT_TRUE(LoadLines({u"\u30D5\u30A1\u30A4\u30EB", u"\u0424\u0430\u0439\u043B \U0001F4F7"}));
  EXPECT_EQ(locale_.GetText(0), u"\u30D5\u30A1\u30A4\u30EB");
  EXPECT_EQ(locale_.GetText(1), u"\u0424\u0430\u0439\u043B \U0001F4F7");
  ExpectEnglishFrom(2);
}

TEST_F(FLocaleTest, FileThatCannotBeOpenedLeavesTableUnchanged) {
  EXPECT_FALSE(locale_.Load(folder_ / u"missing.txt"));
  EXPECT_EQ(TextsOf(locale_), BuiltIn());

  ASSERT_TRUE(LoadLines({u"Fichier", u"Dossier"}));
  const std::vector<std::u16string> french = TextsOf(locale_);
  EXPECT_FALSE(locale_.Load(folder_ / u"missing.txt"));
  EXPECT_FALSE(locale_.Load(folder_.path()));
  EXPECT_FALSE(locale_.Load(u""));
  EXPECT_EQ(TextsOf(locale_), french);
}

TEST_F(FLocaleTest, LaterLoadResetsEntriesTheShorterFileDoesNotCover) {
  ASSERT_TRUE(LoadLines({u"Fichier", u"Dossier", u"R\u00E9cents"}));
  ASSERT_TRUE(LoadLines({u"Datei"}));
  EXPECT_EQ(locale_.GetText(0), u"Datei");
  ExpectEnglishFrom(1);
}

}  // namespace
