#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "settings/FLocale.h"
#include "settings/TextFile.h"

// The translations shipped in media/Locales: complete, really translated, escapes intact.
namespace {

constexpr int kMenuFile = 0;
constexpr int kSelectHint = 48;
constexpr int kBrowsing = 106;
constexpr int kExporting = 107;
constexpr int kUseCameraOrientation = 108;
constexpr int kPlayTour = 113;
constexpr int kPlayingTour = 115;
constexpr int kRightToLeftBook = 116;

class ShippedLocalesTest : public testing::TestWithParam<const char*> {
 protected:
  FLocale Loaded() {
    FLocale locale;
    const std::string path = std::string(PAGEWING_DATA_DIR) + "/Locales/" + GetParam() + ".txt";
    EXPECT_TRUE(locale.Load(std::u16string(path.begin(), path.end()))) << path;
    return locale;
  }
};

TEST_P(ShippedLocalesTest, EveryTextIsThereAndTheUsedOnesAreTranslated) {
  const FLocale locale = Loaded();
  const FLocale english;
  for (int text = 0; text < FLocale::kTextCount; ++text) EXPECT_FALSE(locale.GetText(text).empty()) << text;
  EXPECT_NE(locale.GetText(kMenuFile), english.GetText(kMenuFile));
  EXPECT_NE(locale.GetText(kExporting), english.GetText(kExporting));
  EXPECT_NE(locale.GetText(kUseCameraOrientation), english.GetText(kUseCameraOrientation));
  for (int text = kPlayTour; text <= kPlayingTour; ++text)
    EXPECT_NE(locale.GetText(text), english.GetText(text)) << text;
  EXPECT_NE(locale.GetText(kPlayingTour), locale.GetText(kBrowsing));
  EXPECT_NE(locale.GetText(kRightToLeftBook), english.GetText(kRightToLeftBook));
  EXPECT_NE(locale.GetText(kBrowsing), locale.GetText(4)) << "the title's mode and the Play menu read alike";
}

TEST_P(ShippedLocalesTest, TheSelectHintKeepsItsLineBreaks) {
  const std::u16string hint = Loaded().GetText(kSelectHint);
  EXPECT_NE(hint.find(u"\r\n\r\n"), std::u16string::npos);
  EXPECT_EQ(hint.find(u"\\n"), std::u16string::npos);
}

INSTANTIATE_TEST_SUITE_P(Translations, ShippedLocalesTest, testing::Values("German", "French"));

// Every shipped file, English included: the same entries as the built-in table, with the same
// escapes, and a language-change confirmation that names the file's own language.
struct ShippedFile {
  const char* name;
  const char16_t* ownLanguage;    // how the file's language calls itself
  const char16_t* englishInIt;    // how it calls English: only the English file may say it
};

constexpr int kLanguageChanged = 70;

std::vector<std::u16string> RawLines(const char* name) {
  const std::string path = std::string(PAGEWING_DATA_DIR) + "/Locales/" + name + ".txt";
  TextFile file;
  std::vector<std::u16string> lines;
  if (!file.Open(std::u16string(path.begin(), path.end()), false, true)) return lines;
  while (file.ReadLine()) lines.push_back(file.WholeLine(false, false));
  return lines;
}

// The escapes a line holds, in order, so a translation cannot lose or gain a line break.
std::vector<std::u16string> EscapesOf(const std::u16string& line) {
  static const std::u16string kEscapes[] = {u"<NEW LINE>", u"<QUOTE>", u"<br />", u"&#34;", u"\\n"};
  std::vector<std::u16string> found;
  for (size_t i = 0; i < line.size(); ++i)
    for (const std::u16string& escape : kEscapes)
      if (line.compare(i, escape.size(), escape) == 0) found.push_back(escape);
  return found;
}

class ShippedFileTest : public testing::TestWithParam<ShippedFile> {};

TEST_P(ShippedFileTest, HoldsEveryEntryWithTheEscapesOfTheEnglishFile) {
  const std::vector<std::u16string> english = RawLines("English");
  const std::vector<std::u16string> lines = RawLines(GetParam().name);
  ASSERT_EQ(lines.size(), static_cast<size_t>(FLocale::kTextCount));
  ASSERT_EQ(english.size(), lines.size());
  for (size_t text = 0; text < lines.size(); ++text) {
    EXPECT_FALSE(lines[text].empty()) << text;
    EXPECT_EQ(EscapesOf(lines[text]), EscapesOf(english[text])) << text;
  }
}

TEST_P(ShippedFileTest, TheLanguageChangeConfirmsTheFilesOwnLanguage) {
  FLocale locale;
  const std::string path = std::string(PAGEWING_DATA_DIR) + "/Locales/" + GetParam().name + ".txt";
  ASSERT_TRUE(locale.Load(std::u16string(path.begin(), path.end())));
  const std::u16string confirmation = locale.GetText(kLanguageChanged);
  EXPECT_NE(confirmation.find(GetParam().ownLanguage), std::u16string::npos) << GetParam().name;
  if (std::string(GetParam().name) != "English") {
    EXPECT_EQ(confirmation.find(GetParam().englishInIt), std::u16string::npos) << GetParam().name;
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, ShippedFileTest,
                         testing::Values(ShippedFile{"English", u"English", u"English"},
                                         ShippedFile{"French", u"français", u"anglais"},
                                         ShippedFile{"German", u"Deutsch", u"Englisch"}),
                         [](const testing::TestParamInfo<ShippedFile>& info) { return std::string(info.param.name); });

}  // namespace
