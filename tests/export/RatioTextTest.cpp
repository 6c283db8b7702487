#include <gtest/gtest.h>

#include <cmath>

#include "export/ExportPresetTable.h"
#include "export/RatioText.h"

namespace {

TEST(RatioText, FormatsSimpleFractionsAndFallsBackToGeneralNumbers) {
  struct Case {
    float value;
    const char16_t* text;
  };
  const Case cases[] = {
      {4.0f / 3, u"4:3"},        {16.0f / 9, u"16:9"},   {0.8888889f, u"8:9"},     {0.9f, u"9:10"},
      {1.1851852f, u"32:27"},    {1.0666667f, u"16:15"}, {1.5f, u"3:2"},           {1.0f, u"1:1"},
      {1.3333334f, u"4:3"},      {2.0f, u"2:1"},         {1.4222223f, u"1.42222"}, {std::sqrt(2.0f), u"1.41421"},
      {0.9987883f, u"0.998788"}, {0.0f, u"0"},           {100.0f, u"100"},         {1e7f, u"1e+07"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatRatioText(c.value), c.text) << c.value;
}

TEST(RatioText, ParsesRatiosAndDecimals) {
  struct Case {
    const char16_t* text;
    float value;
  };
  const Case cases[] = {
      {u"16:9", 16.0f / 9}, {u"4:3", 4.0f / 3}, {u"1.5", 1.5f}, {u" 2", 2},         {u"+3", 3}, {u"1.5:0.5", 3},
      {u"8:9:3", 8.0f / 9}, {u"2x", 2},         {u"1,5", 1},    {u"-2", -2},        {u"", 0},   {u"abc", 0},
      {u"0:5", 0},          {u"-1:2", 0},       {u"3:0", 0},    {u"3:-1", 0},       {u":4", 0}, {u"nan", 0},
      {u"inf", 0},          {u"1e999", 0},      {u"1e39", 0},   {u"1e30:1e-30", 0},
  };
  for (const Case& c : cases)
    EXPECT_FLOAT_EQ(ParseRatioText(c.text), c.value)
        << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
}

TEST(RatioText, EveryPresetRatioSurvivesTheRoundTrip) {
  for (const ExportPreset& preset : ExportPresetTable::Rows()) {
    EXPECT_NEAR(ParseRatioText(FormatRatioText(preset.pixelAspect)), preset.pixelAspect, 1e-5) << "PAR";
    EXPECT_NEAR(ParseRatioText(FormatRatioText(preset.displayAspect)), preset.displayAspect, 1e-5) << "DAR";
  }
}

}  // namespace
