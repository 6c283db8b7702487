#include <gtest/gtest.h>

#include "export/ExportAspect.h"
#include "export/ExportPresetTable.h"
#include "export/RatioText.h"

namespace {

TEST(ExportPresetTable, RowsAreConsistent) {
  const auto& rows = ExportPresetTable::Rows();
  EXPECT_EQ(rows[0].name, u"Custom");
  EXPECT_EQ(rows[3].name, u"Computer 4:3 - 640 x 480");
  EXPECT_EQ(rows[14].name, u"SD PAL DVD");
  EXPECT_EQ(rows[20].name, u"HD 1920 x 1080");
  for (int row = 1; row < ExportPresetTable::kRowCount; ++row) {
    const ExportPreset& preset = rows[row];
    // PAR = DAR * height / width holds for every row; a mistyped number breaks it.
    EXPECT_NEAR(preset.pixelAspect, preset.displayAspect * preset.height / preset.width, 2.5e-7) << row;
    const bool ntsc = preset.name.starts_with(u"SD NTSC");
    EXPECT_EQ(preset.framesPerSecond, ntsc ? 29.97f : 25.0f) << row;
  }
  EXPECT_NEAR(rows[7].pixelAspect, 0.9987883f, 1e-6);
  EXPECT_NEAR(rows[9].pixelAspect, 0.9986303f, 1e-6);
}

TEST(ExportPresetTable, FirstMatchingRowIsSelected) {
  EXPECT_EQ(ExportPresetTable::MatchingRow(640, 480, 1.0f, 25.0f), 3);
  EXPECT_EQ(ExportPresetTable::MatchingRow(720, 576, 1.0666667f, 25.0f), 14);  // never the identical row 15
  EXPECT_EQ(ExportPresetTable::MatchingRow(720, 480, 1.1851852f, 29.97f), 12);
  EXPECT_EQ(ExportPresetTable::MatchingRow(720, 480, 0.8888889f, 25.0f), ExportPresetTable::kCustomRow);
  EXPECT_EQ(ExportPresetTable::MatchingRow(641, 480, 1.0f, 25.0f), ExportPresetTable::kCustomRow);
  EXPECT_EQ(ExportPresetTable::MatchingRow(640, 480, 1.02f, 25.0f), ExportPresetTable::kCustomRow);
  EXPECT_EQ(ExportPresetTable::MatchingRow(640, 480, 1.005f, 25.005f), 3);
  EXPECT_EQ(ExportPresetTable::MatchingRow(1, 1, 1.0f, 1.0f), ExportPresetTable::kCustomRow);
  EXPECT_EQ(ExportPresetTable::MatchingRow(640, 0, 1.0f, 25.0f), ExportPresetTable::kCustomRow);
}

TEST(ExportPresetTable, EveryRowSelectsItselfOrAnIdenticalEarlierRow) {
  const auto& rows = ExportPresetTable::Rows();
  for (int row = 1; row < ExportPresetTable::kRowCount; ++row) {
    const ExportPreset& p = rows[row];
    EXPECT_EQ(ExportPresetTable::MatchingRow(p.width, p.height, p.pixelAspect, p.framesPerSecond),
              row == 15 ? 14 : row);
  }
}

}  // namespace
