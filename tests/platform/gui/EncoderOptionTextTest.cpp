#include "platform/gui/EncoderOptionText.h"

#include <gtest/gtest.h>

namespace {

using Kind = EncoderOption::Kind;

EncoderOption Number(Kind kind, double minimum, double maximum, std::string value = "0") {
  return {"g", u"set the group of picture (GOP) size", kind, minimum, maximum, {}, "12", std::move(value)};
}

TEST(EncoderOptionTextTest, IntegersSpanSixtyFourBitsWithinTheirRange) {
  const EncoderOption wide = Number(Kind::Integer, -9223372036854775808.0, 9223372036854775807.0);
  for (const char* good : {"5000000000", "9223372036854775807", "-9223372036854775808", " +42 "})
    EXPECT_EQ(OptionTextRefusal(wide, good), u"") << good;
  const EncoderOption narrow = Number(Kind::Integer, -1, 2147483647.0);
  EXPECT_EQ(OptionTextRefusal(narrow, "-1"), u"");
  for (const char* bad : {"-2", "", "12a", "1.5", "+-3", "0x10", "2147483648"})
    EXPECT_NE(OptionTextRefusal(narrow, bad), u"") << bad;
  EXPECT_EQ(OptionTextRefusal(narrow, "-2"),
            u"The value \"-2\" for \"g\" (set the group of picture (GOP) size) is refused: it must be a whole number "
            u"from -1 to 2147483647.");
  EXPECT_NE(OptionTextRefusal(wide, "x").find(u"to 9223372036854775807."), std::u16string::npos);
}

TEST(EncoderOptionTextTest, RealsChoicesAndCheckStatesAcceptOnlyTheirValues) {
  const EncoderOption real = Number(Kind::Real, -0.5, 1);
  EXPECT_EQ(OptionTextRefusal(real, " 1e-1 "), u"");
  for (const char* bad : {"1.01", "nan", "inf", "0,5"}) EXPECT_NE(OptionTextRefusal(real, bad), u"") << bad;
  EXPECT_NE(OptionTextRefusal(real, "2").find(u"a number from -0.5 to 1."), std::u16string::npos);
  const EncoderOption choice{"preset", u"", Kind::Choice, 0, 0, {"fast", "slow"}, "fast", "fast"};
  EXPECT_EQ(OptionTextRefusal(choice, "slow"), u"");
  EXPECT_NE(OptionTextRefusal(choice, "Slow").find(u"one of: fast, slow."), std::u16string::npos);
  const EncoderOption flag{"mbtree", u"", Kind::Boolean, 0, 1, {}, "true", "true"};
  EXPECT_EQ(OptionTextRefusal(flag, "FALSE"), u"");
  EXPECT_NE(OptionTextRefusal(flag, "2"), u"");
}

TEST(EncoderOptionTextTest, TheDefaultIsAcceptedEvenOutsideTheDeclaredRange) {
  const EncoderOption option = Number(Kind::Integer, 100, 200);
  EXPECT_EQ(OptionTextRefusal(option, "12"), u"");
  EXPECT_NE(OptionTextRefusal(option, "13"), u"");
}

TEST(EncoderOptionTextTest, ValuesCompareByMeaningAndCheckStatesKeepTheOptionsStyle) {
  EXPECT_TRUE(OptionTextUnchanged(Number(Kind::Real, 0, 1, "0.5"), "0.50"));
  EXPECT_FALSE(OptionTextUnchanged(Number(Kind::Real, 0, 1, "0.5"), "0.51"));
  EXPECT_TRUE(OptionTextUnchanged(Number(Kind::Integer, 0, 99, "12"), "+12"));
  EXPECT_FALSE(OptionTextUnchanged(Number(Kind::Integer, 0, 99, "x"), "y"));
  EncoderOption flag{"mbtree", u"", Kind::Boolean, -1, 1, {}, "auto", "true"};
  EXPECT_FALSE(OptionTextUnchanged(flag, "0"));
  EXPECT_EQ(OptionBooleanText(flag, false), "false");
  flag.value = flag.defaultValue = "1";
  EXPECT_TRUE(OptionTextUnchanged(flag, "TRUE"));
  EXPECT_EQ(OptionBooleanText(flag, false), "0");
  EXPECT_EQ(OptionFieldValue(Number(Kind::Real, 0, 1), " 0.25\t"), "0.25");
}

}  // namespace
