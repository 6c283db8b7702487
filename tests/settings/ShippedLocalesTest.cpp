#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/FLocale.h"

// The translations shipped in media/Locales: complete, really translated, escapes intact.
namespace {

constexpr int kMenuFile = 0;
constexpr int kSelectHint = 48;
constexpr int kBrowsing = 106;
constexpr int kExporting = 107;
constexpr int kUseCameraOrientation = 108;

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
  EXPECT_NE(locale.GetText(kBrowsing), locale.GetText(4)) << "the title's mode and the Play menu read alike";
}

TEST_P(ShippedLocalesTest, TheSelectHintKeepsItsLineBreaks) {
  const std::u16string hint = Loaded().GetText(kSelectHint);
  EXPECT_NE(hint.find(u"\r\n\r\n"), std::u16string::npos);
  EXPECT_EQ(hint.find(u"\\n"), std::u16string::npos);
}

INSTANTIATE_TEST_SUITE_P(Translations, ShippedLocalesTest, testing::Values("German", "French"));

}  // namespace
