#include "settings/TextFile.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

// Bytes of a UTF-16LE file with its byte-order mark.
std::string Utf16File(const std::u16string& text) { return std::string("\xFF\xFE", 2) + Utf16LeBytes(text); }

class TextFileTest : public testing::Test {
 protected:
  // Reads every delivered line of a file holding bytes.
  std::vector<std::u16string> LinesOf(const std::string& bytes, bool wholeFile = true) {
    WriteBytes(path_, bytes);
    TextFile file;
    EXPECT_TRUE(file.Open(path_, false, wholeFile));
    std::vector<std::u16string> lines;
    while (file.ReadLine()) lines.push_back(file.WholeLine(false, false));
    return lines;
  }

  // Opens a one-line file for token checks.
  void OpenLine(const std::u16string& line) {
    WriteBytes(path_, Utf16File(line + u"\r\n"));
    ASSERT_TRUE(file_.Open(path_, false, true));
    ASSERT_TRUE(file_.ReadLine());
  }

  // Writes one line through the given calls and returns its text as written (without BOM and CR LF).
  template <class Calls>
  std::string WrittenLine(Calls calls) {
    TextFile out;
    EXPECT_TRUE(out.Open(path_, true, false));
    calls(out);
    out.EndLine();
    EXPECT_TRUE(out.Close());
    const std::string bytes = ReadBytes(path_);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\r\0\n\0", 4));
    std::string narrow;
    for (size_t i = 2; i + 4 < bytes.size(); i += 2) narrow += bytes[i];
    return narrow;
  }

  TempFolder folder_;
  std::u16string path_ = folder_ / u"file.txt";
  TextFile file_;
};

TEST_F(TextFileTest, LineEndsAtLfCrLfOrLoneCrAndUnfinishedLastLineIsDropped) {
  EXPECT_EQ(LinesOf(Utf16File(u"a\nb\r\nc\rd\r\ne")), (std::vector<std::u16string>{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(LinesOf(Utf16File(u"a\r\nb\r")), (std::vector<std::u16string>{u"a"}));
  EXPECT_EQ(LinesOf(Utf16File(u"\r\n\r\nx\n")), (std::vector<std::u16string>{u"", u"", u"x"}));
  EXPECT_TRUE(LinesOf(std::string("\xFF\xFE", 2)).empty());
  EXPECT_TRUE(LinesOf("").empty());
}

TEST_F(TextFileTest, FileWithoutByteOrderMarkIsReadOneBytePerCharacter) {
  const auto lines = LinesOf("caf\xE9\tY\r\n\xFF\xFE\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], u"caf\u00E9\tY");
  EXPECT_EQ(lines[1], u"\u00FF\u00FE");  // a mark that is not at the start is plain text
  // UTF-8 is not recognised: its two bytes become two characters.
  EXPECT_EQ(LinesOf("\xC3\xA9\n")[0], u"\u00C3\u00A9");
}

TEST_F(TextFileTest, Utf16KeepsCharactersBeyondLatin1) {
  EXPECT_EQ(LinesOf(Utf16File(u"\u20AC \U0001F600\n"))[0], u"\u20AC \U0001F600");
}

TEST_F(TextFileTest, LongLinesAreCutAndTheRestOfTheLineSkipped) {
  const std::u16string longLine(TextFile::kLineLimit + 500, u'x');
  const auto lines = LinesOf(Utf16File(longLine + u"\r\nnext\r\n"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), TextFile::kLineLimit);
  EXPECT_EQ(lines[1], u"next");
}

TEST_F(TextFileTest, FilesBeyondTheMemoryLimitReadTheSameFromDisk) {
  std::string bytes(DiskFile::kWholeFileLimit + 1, 'a');
  for (size_t i = 99; i < bytes.size(); i += 100) bytes[i] = '\n';
  bytes.back() = '\n';
  const auto fromDisk = LinesOf(bytes, true);
  ASSERT_EQ(fromDisk.size(), bytes.size() / 100 + 1);
  EXPECT_EQ(fromDisk.front(), std::u16string(99, u'a'));
  EXPECT_EQ(fromDisk.back().size(), bytes.size() % 100 - 1);
  EXPECT_EQ(LinesOf(bytes, false).size(), fromDisk.size());
}

TEST_F(TextFileTest, TokensSplitAtBlanksAndQuotesGroupThem) {
  OpenLine(u"  key\t\"a b\"  \"\" plain\"x y\"z  \"open to end");
  ASSERT_EQ(file_.TokenCount(), 6u);
  EXPECT_EQ(file_.Token(0), u"key");
  EXPECT_EQ(file_.Token(1), u"a b");
  EXPECT_EQ(file_.Token(2), u"");
  EXPECT_EQ(file_.Token(3), u"plain\"x");
  EXPECT_EQ(file_.Token(4), u"y\"z");
  EXPECT_EQ(file_.Token(5), u"open to end");
  EXPECT_EQ(file_.Token(6), u"");
  EXPECT_EQ(file_.TokenInteger(6), 0);
  EXPECT_FALSE(file_.TokenBoolean(6));
}

TEST_F(TextFileTest, AtMostTenTokensOfAtMost2000Characters) {
  const std::u16string huge(2500, u'h');
  OpenLine(u"0 1 2 3 4 5 6 7 8 " + huge + u" 10");
  EXPECT_EQ(file_.TokenCount(), TextFile::kTokenCount);
  EXPECT_EQ(file_.Token(9), huge.substr(0, TextFile::kTokenLimit));
  EXPECT_EQ(file_.Token(10), u"");
}

TEST_F(TextFileTest, EscapesAreReplacedInTheirOrder) {
  OpenLine(u"\"a<NEW LINE>b\" x<QUOTE>y \"c<br />d\" e&#34;f g\\nh &amp;#34;");
  EXPECT_EQ(file_.Token(0), u"a\r\nb");
  EXPECT_EQ(file_.Token(1), u"x\"y");
  EXPECT_EQ(file_.Token(2), u"c\r\nd");
  EXPECT_EQ(file_.Token(3), u"e\"f");
  EXPECT_EQ(file_.Token(4), u"g\\nh");  // backslash n is only for the locale files
  EXPECT_EQ(file_.Token(5), u"&amp;#34;");
  EXPECT_EQ(file_.Token(3, false), u"e&#34;f");
  EXPECT_NE(file_.WholeLine(true, true).find(u"g\r\nh"), std::u16string::npos);
}

TEST_F(TextFileTest, NumbersFollowTheCLibraryRules) {
  OpenLine(u"42abc -17 +8 x9 2147483648 -99999999999 2.5e1 -.5 1,5");
  EXPECT_EQ(file_.TokenInteger(0), 42);
  EXPECT_EQ(file_.TokenInteger(1), -17);
  EXPECT_EQ(file_.TokenInteger(2), 8);
  EXPECT_EQ(file_.TokenInteger(3), 0);
  EXPECT_EQ(file_.TokenInteger(4), 2147483647);
  EXPECT_EQ(file_.TokenInteger(5), -2147483647 - 1);
  EXPECT_FLOAT_EQ(file_.TokenFloat(6), 25.0f);
  EXPECT_FLOAT_EQ(file_.TokenFloat(7), -0.5f);
  EXPECT_FLOAT_EQ(file_.TokenFloat(8), 1.0f);
}

TEST_F(TextFileTest, OnlyACapitalYIsTrue) {
  OpenLine(u"Y y N Yes \"Y\" 1");
  EXPECT_TRUE(file_.TokenBoolean(0));
  EXPECT_FALSE(file_.TokenBoolean(1));
  EXPECT_FALSE(file_.TokenBoolean(2));
  EXPECT_FALSE(file_.TokenBoolean(3));
  EXPECT_TRUE(file_.TokenBoolean(4));
  EXPECT_FALSE(file_.TokenBoolean(5));
}

TEST_F(TextFileTest, WrittenTokensAreSeparatedQuotedAndEscaped) {
  EXPECT_EQ(WrittenLine([](TextFile& f) {
              f.WriteToken(u"key");
              f.WriteToken(u"a b");
              f.WriteToken(u"q\"x");
              f.WriteToken(u"l1\r\nl2\nl3\rl4");
            }),
            "key\t\"a b\"\tq&#34;x\t\"l1<br />l2<br />l3<br />l4\"");
  EXPECT_EQ(WrittenLine([](TextFile& f) {
              f.WriteToken(u"");
              f.WriteToken(u"k");
              f.WriteToken(u"");
            }),
            "\t\"\"\tk\t\"\"");
  EXPECT_EQ(WrittenLine([](TextFile& f) {
              f.WriteToken(u"k");
              f.WriteToken(u"\t");
              f.WriteToken(u"a\tb");
            }),
            "k\t\t\"a\tb\"");
}

TEST_F(TextFileTest, NumbersAndBooleansAreWrittenAsTheCLibraryFormatsThem) {
  EXPECT_EQ(WrittenLine([](TextFile& f) {
              f.WriteInteger(-2147483647 - 1);
              f.WriteFloat(0.4f);
              f.WriteFloat(1.5707964f);
              f.WriteFloat(1e-7f);
              f.WriteFloat(1234567.0f);
              f.WriteFloat(25.0f);
              f.WriteBoolean(true);
              f.WriteBoolean(false);
            }),
            "-2147483648\t0.4\t1.5708\t1e-07\t1.23457e+06\t25\tY\tN");
}

TEST_F(TextFileTest, WrittenValuesReadBackUnchanged) {
  const std::u16string values[] = {u"/a path/with space", u"say \"hi\"", u"two\r\nlines", u"", u"caf\u00E9 \u20AC"};
  TextFile out;
  ASSERT_TRUE(out.Open(path_, true, false));
  for (const auto& value : values) out.WriteStringLine(u"K", value);
  ASSERT_TRUE(out.Close());
  TextFile in;
  ASSERT_TRUE(in.Open(path_, false, true));
  for (const auto& value : values) {
    ASSERT_TRUE(in.ReadLine());
    EXPECT_EQ(in.Token(1), value);
  }
  EXPECT_FALSE(in.ReadLine());
}

TEST_F(TextFileTest, WritingReplacesTheOldFileAndMissingFilesFailToOpen) {
  WriteBytes(path_, std::string(5000, 'z'));
  TextFile out;
  ASSERT_TRUE(out.Open(path_, true, false));
  out.WriteStringLine(u"a", u"b");
  ASSERT_TRUE(out.Close());
  EXPECT_EQ(ReadBytes(path_), Utf16File(u"a\tb\r\n"));
  TextFile missing;
  EXPECT_FALSE(missing.Open(folder_ / u"none.txt", false, true));
  EXPECT_FALSE(missing.ReadLine());
}

}  // namespace
