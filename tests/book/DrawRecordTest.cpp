#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "book/DrawRecord.h"
#include "platform/gfx/NullDevice.h"

namespace {

using Rect = GraphicsDevice::Rect;
using Step = DrawRecord::Step;

const Step kClear = DrawRecord::Clear{7, 0xFF000000u};
const Step kCoverage = DrawRecord::Coverage{true, 0, 1};
const Step kNoCoverage = DrawRecord::Coverage{};

Step DrawOver(uint64_t mesh, Rect area) {
  DrawRecord::Draw draw;
  draw.mesh = mesh;
  draw.area = area;
  return draw;
}

DrawRecord Record(std::vector<Step> steps) {
  DrawRecord record;
  record.reusable = true;
  record.start.viewport = {100, 80};
  record.steps = std::move(steps);
  return record;
}

const Rect kPage{10, 10, 40, 60}, kPhoto{20, 20, 10, 10}, kFloor{0, 0, 100, 80}, kSheet{60, 30, 30, 20};

TEST(DrawRecordTest, TheAreaChangedIsWhereTheDrawsThatDifferCanReach) {
  const DrawRecord before = Record({kClear, kCoverage, DrawOver(1, kPage), DrawOver(3, kFloor), kNoCoverage});
  EXPECT_EQ(before.AreaChangedFrom(before), Rect{});

  // A photo drawn in addition, between draws that stay: either way round.
  const DrawRecord arrived =
      Record({kClear, kCoverage, DrawOver(2, kPhoto), DrawOver(1, kPage), DrawOver(3, kFloor), kNoCoverage});
  EXPECT_EQ(arrived.AreaChangedFrom(before), kPhoto);
  EXPECT_EQ(before.AreaChangedFrom(arrived), kPhoto);

  // A draw replaced by another: the old one's pixels change too.
  const DrawRecord replaced = Record({kClear, kCoverage, DrawOver(4, kSheet), DrawOver(3, kFloor), kNoCoverage});
  EXPECT_EQ(replaced.AreaChangedFrom(before), (Rect{10, 10, 80, 60}));

  // Changes in two runs of draws are joined.
  const DrawRecord both = Record({kClear, kCoverage, DrawOver(2, kPhoto), DrawOver(1, kPage), DrawOver(3, kFloor),
                                  kNoCoverage, DrawOver(5, kSheet)});
  EXPECT_EQ(both.AreaChangedFrom(before), (Rect{20, 20, 70, 30}));
}

TEST(DrawRecordTest, RecordsThatDifferInMoreThanMeshDrawsHaveNoAreaChanged) {
  const DrawRecord before = Record({kClear, kCoverage, DrawOver(1, kPage), kNoCoverage});
  DrawRecord other = before;
  other.start.view[3][0] = 1.0f;
  EXPECT_FALSE(other.AreaChangedFrom(before));
  EXPECT_FALSE(
      Record({DrawRecord::Clear{7, 0xFF0000FFu}, kCoverage, DrawOver(1, kPage), kNoCoverage}).AreaChangedFrom(before));
  EXPECT_FALSE(Record({kClear, DrawOver(1, kPage), kNoCoverage}).AreaChangedFrom(before));
  EXPECT_FALSE(Record({kClear, kCoverage, DrawOver(1, kPage)}).AreaChangedFrom(before));
  EXPECT_FALSE(Record({kClear, kCoverage, DrawOver(1, kPage), kNoCoverage, DrawRecord::Darken{0x30000000u}})
                   .AreaChangedFrom(before));
  other = before;
  other.reusable = false;
  EXPECT_FALSE(other.AreaChangedFrom(before));
  EXPECT_FALSE(before.AreaChangedFrom(other));
}

// A square from -0.5 to 0.5 seen through identity transforms covers the middle half of the
// viewport; the area is widened by two pixels for the rasteriser's rounding.
TEST(DrawRecordTest, ADrawNotesThePixelsItsMeshCanCoverOrTheWholeViewportWhenItReachesBehindTheEye) {
  NullDevice device;
  device.SetViewport({100, 80});
  std::vector<MeshVertex> corners(4);
  corners[0].position = {-0.5f, -0.5f, 0.5f};
  corners[1].position = {0.5f, -0.5f, 0.5f};
  corners[2].position = {-0.5f, 0.5f, 0.5f};
  corners[3].position = {0.5f, 0.5f, 0.5f};
  const std::unique_ptr<Mesh> square = device.CreateMesh(corners, {0, 1, 2, 2, 1, 3});
  ASSERT_NE(square, nullptr);
  MeshDrawParams params;
  params.mesh = square.get();

  DrawRecord record(device, glm::mat4(1.0f), glm::mat4(1.0f), glm::mat4(1.0f));
  record.NoteDraw(params);
  EXPECT_EQ(std::get<DrawRecord::Draw>(record.steps.back()).area, (Rect{23, 18, 54, 44}));

  // w = -z: the square lies behind the eye.
  glm::mat4 projection(1.0f);
  projection[2][3] = -1.0f;
  projection[3][3] = 0.0f;
  DrawRecord behind(device, glm::mat4(1.0f), glm::mat4(1.0f), projection);
  behind.NoteDraw(params);
  EXPECT_EQ(std::get<DrawRecord::Draw>(behind.steps.back()).area, (Rect{0, 0, 100, 80}));

  corners[3].position.x = std::numeric_limits<float>::quiet_NaN();
  const std::unique_ptr<Mesh> broken = device.CreateMesh(corners, {0, 1, 2, 2, 1, 3});
  ASSERT_NE(broken, nullptr);
  params.mesh = broken.get();
  record.NoteDraw(params);
  EXPECT_EQ(std::get<DrawRecord::Draw>(record.steps.back()).area, (Rect{0, 0, 100, 80}));
}

}  // namespace
