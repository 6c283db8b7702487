#include <gtest/gtest.h>

#include <vector>

#include "book/StillPartCache.h"
#include "platform/gfx/NullDevice.h"

namespace {

class StillPartCacheTest : public testing::Test {
 protected:
  StillPartCacheTest() { device_.SetViewport({64, 48}); }

  // Bands as a frame at rest asks for them.
  static constexpr double kShare = StillPartCache::kAheadBandShare;

  // What the still part would be noted as, told apart by the clear colour.
  DrawRecord Record(uint32_t argb) const {
    DrawRecord record(device_, glm::mat4(1.0f), glm::mat4(1.0f), glm::mat4(1.0f));
    record.steps.push_back(DrawRecord::Clear{7, argb});
    return record;
  }
  // Record(1) with mesh draws over areas, mesh versions 1, 2, ...
  DrawRecord WithDraws(const std::vector<GraphicsDevice::Rect>& areas) const {
    DrawRecord record = Record(1);
    for (size_t k = 0; k < areas.size(); ++k) {
      DrawRecord::Draw draw;
      draw.mesh = k + 1;
      draw.area = areas[k];
      record.steps.push_back(draw);
    }
    return record;
  }
  // One frame: the kept picture copied in, or the part drawn and offered.
  bool Frame(const DrawRecord& record) {
    if (cache_.Restore(device_, record)) return true;
    cache_.Keep(device_, record);
    return false;
  }

  NullDevice device_;
  StillPartCache cache_;
};

TEST_F(StillPartCacheTest, KeepsThePictureOfTheSecondOfTwoEqualFramesAndCopiesItInForEqualOnes) {
  EXPECT_FALSE(Frame(Record(1)));
  EXPECT_EQ(device_.log().drawingCopiesTo, 0);
  EXPECT_FALSE(Frame(Record(1)));
  EXPECT_EQ(device_.log().drawingCopiesTo, 1);
  EXPECT_TRUE(Frame(Record(1)));
  EXPECT_TRUE(Frame(Record(1)));
  EXPECT_EQ(device_.log().drawingCopiesFrom, 2);

  // A part that changes every frame costs no copies beyond its first frame after the rest.
  for (uint32_t argb = 2; argb < 6; ++argb) EXPECT_FALSE(Frame(Record(argb)));
  EXPECT_EQ(device_.log().drawingCopiesTo, 2);
  // Until it rests again: the second of two equal frames is kept.
  EXPECT_FALSE(Frame(Record(5)));
  EXPECT_EQ(device_.log().drawingCopiesTo, 3);
  EXPECT_TRUE(Frame(Record(5)));
}

// A photo arrives or a turn ends: the scene changes once and rests again. Its new part is kept
// from its first frame, so the frame after it is copied in instead of drawn whole a second time.
TEST_F(StillPartCacheTest, APartThatChangesOnceFromRestIsKeptFromItsFirstFrame) {
  Frame(Record(1));
  Frame(Record(1));
  ASSERT_TRUE(Frame(Record(1)));
  EXPECT_FALSE(Frame(Record(2)));
  EXPECT_EQ(device_.log().drawingCopiesTo, 2);
  EXPECT_TRUE(Frame(Record(2)));
  EXPECT_EQ(device_.log().drawingCopiesFrom, 2);
  // A frame drawn whole in between is no rest: the part after it waits for its second frame.
  Frame(Record(3));
  Frame(Record(4));
  EXPECT_EQ(device_.log().drawingCopiesTo, 3);
  EXPECT_FALSE(Frame(Record(4)));
  EXPECT_EQ(device_.log().drawingCopiesTo, 4);
}

// The kept part and the same with a photo drawn over it: the photo's pixels are all that differ.
TEST_F(StillPartCacheTest, APartThatDiffersInAFewDrawsIsCopiedInWithTheAreaToDrawAgain) {
  const GraphicsDevice::Rect page{4, 4, 24, 40}, photo{8, 8, 10, 10}, most{0, 0, 64, 40};
  const auto withDraws = [&](const std::vector<GraphicsDevice::Rect>& areas) { return WithDraws(areas); };
  EXPECT_FALSE(cache_.RestoreAllBut(device_, withDraws({page})));
  cache_.Keep(device_, withDraws({page}), true);
  EXPECT_EQ(cache_.RestoreAllBut(device_, withDraws({page, photo})), photo);
  EXPECT_EQ(device_.log().drawingCopiesFrom, 1);

  // Not for a part drawn from other clears, nor when most of the frame would be drawn again.
  EXPECT_FALSE(cache_.RestoreAllBut(device_, Record(2)));
  EXPECT_FALSE(cache_.RestoreAllBut(device_, withDraws({page, most})));
  EXPECT_EQ(device_.log().drawingCopiesFrom, 1);
  // A copy that fails gives nothing and drops the picture.
  device_.SetDrawingCopiesWork(false);
  EXPECT_FALSE(cache_.RestoreAllBut(device_, withDraws({page, photo})));
  device_.SetDrawingCopiesWork(true);
  EXPECT_FALSE(cache_.Restore(device_, withDraws({page})));
}

// The next turn's part differs from the kept one where a photo lies: that area is drawn ahead,
// a band of at most an eighth of the frame at a time (64 x 48 / 8 = 384 pixels: 19 rows of 20).
TEST_F(StillPartCacheTest, APartPreparedAheadInBandsIsCopiedInWhenItsFrameComes) {
  const GraphicsDevice::Rect page{4, 4, 24, 40}, photo{8, 8, 20, 30};
  cache_.Keep(device_, WithDraws({page}), true);
  const DrawRecord expected = WithDraws({page, photo});
  EXPECT_FALSE(cache_.Holds(device_, expected));
  ASSERT_EQ(cache_.AheadBand(device_, expected, kShare), (GraphicsDevice::Rect{8, 8, 20, 19}));
  cache_.KeepAheadBand(device_);
  ASSERT_EQ(cache_.AheadBand(device_, expected, kShare), (GraphicsDevice::Rect{8, 27, 20, 11}));
  cache_.KeepAheadBand(device_);
  EXPECT_FALSE(cache_.AheadBand(device_, expected, kShare));

  // Its frame copies in the kept picture and the prepared area over it, which is then kept.
  const int copiesIn = device_.log().drawingCopiesFrom;
  EXPECT_TRUE(cache_.Restore(device_, expected));
  EXPECT_EQ(device_.log().drawingCopiesFrom - copiesIn, 2);
  EXPECT_TRUE(cache_.Holds(device_, expected));

  // Nothing is prepared for a part that differs in more than draws, and a part prepared for
  // a kept picture that was then replaced is dropped.
  EXPECT_FALSE(cache_.AheadBand(device_, Record(2), kShare));
  ASSERT_TRUE(cache_.AheadBand(device_, WithDraws({page}), kShare));
  cache_.Keep(device_, Record(3), true);
  EXPECT_FALSE(cache_.Restore(device_, WithDraws({page})));
}

// A frame with a turning leaf asks for smaller bands: a thirty-second of the frame is 96 pixels,
// 4 rows of 20; the next band goes on below them.
TEST_F(StillPartCacheTest, BandsAskedForWithASmallerShareCoverOnlyThatShare) {
  const GraphicsDevice::Rect page{4, 4, 24, 40}, photo{8, 8, 20, 30};
  cache_.Keep(device_, WithDraws({page}), true);
  const DrawRecord expected = WithDraws({page, photo});
  const double share = StillPartCache::kAheadBandShareWhileTurning;
  ASSERT_EQ(cache_.AheadBand(device_, expected, share), (GraphicsDevice::Rect{8, 8, 20, 4}));
  cache_.KeepAheadBand(device_);
  EXPECT_EQ(cache_.AheadBand(device_, expected, share), (GraphicsDevice::Rect{8, 12, 20, 4}));
  EXPECT_EQ(cache_.AheadBand(device_, expected, kShare), (GraphicsDevice::Rect{8, 12, 20, 19}));
}

// Its frame comes after the first band: that band is copied in and only the rows below it are
// left to draw; the part prepared is then used up.
TEST_F(StillPartCacheTest, APartPreparedAheadInPartGivesOnlyTheRowsNotYetDrawn) {
  const GraphicsDevice::Rect page{4, 4, 24, 40}, photo{8, 8, 20, 30};
  cache_.Keep(device_, WithDraws({page}), true);
  const DrawRecord expected = WithDraws({page, photo});
  ASSERT_TRUE(cache_.AheadBand(device_, expected, kShare));
  cache_.KeepAheadBand(device_);
  EXPECT_FALSE(cache_.Restore(device_, expected));
  const int copiesIn = device_.log().drawingCopiesFrom;
  EXPECT_EQ(cache_.RestoreAllBut(device_, expected), (GraphicsDevice::Rect{8, 27, 20, 11}));
  EXPECT_EQ(device_.log().drawingCopiesFrom - copiesIn, 2) << "the kept picture and the band over it";
  EXPECT_EQ(cache_.RestoreAllBut(device_, expected), photo) << "the bands are copied in once";

  // Bands prepared for another frame count for nothing.
  ASSERT_TRUE(cache_.AheadBand(device_, expected, kShare));
  cache_.KeepAheadBand(device_);
  EXPECT_EQ(cache_.RestoreAllBut(device_, WithDraws({page, {8, 8, 20, 20}})), (GraphicsDevice::Rect{8, 8, 20, 20}));
}

TEST_F(StillPartCacheTest, APartKnownToStayIsKeptFromItsFirstFrameUnlessUnusable) {
  cache_.Keep(device_, Record(1), true);
  EXPECT_EQ(device_.log().drawingCopiesTo, 1);
  EXPECT_TRUE(cache_.Restore(device_, Record(1)));
  DrawRecord effect = Record(2);
  effect.reusable = false;
  cache_.Keep(device_, effect, true);
  EXPECT_EQ(device_.log().drawingCopiesTo, 1);
  // A refused copy of one part does not stop the next part known to stay from being kept.
  device_.SetDrawingCopiesWork(false);
  cache_.Keep(device_, Record(3), true);
  device_.SetDrawingCopiesWork(true);
  cache_.Keep(device_, Record(4), true);
  EXPECT_TRUE(cache_.Restore(device_, Record(4)));
}

TEST_F(StillPartCacheTest, ACopiedInPictureComesWithTheStatesItsDrawingLeft) {
  RenderStates drawn;
  drawn.alphaBlend = true;
  drawn.cull = RenderStates::Cull::None;
  const DrawRecord record = Record(1);
  Frame(record);
  device_.SetRenderStates(drawn);
  Frame(record);
  device_.SetRenderStates(RenderStates{});
  ASSERT_TRUE(Frame(record));
  EXPECT_EQ(device_.renderStates(), drawn);
}

TEST_F(StillPartCacheTest, UnusableRecordsAndHugeFramesAreNeverKept) {
  DrawRecord effect = Record(1);
  effect.reusable = false;
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Frame(effect));
  device_.SetViewport({4000, 2200});
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Frame(Record(1)));
  EXPECT_EQ(device_.log().drawingCopiesTo, 0);
  EXPECT_EQ(device_.LiveResources(), 0);
}

TEST_F(StillPartCacheTest, ARefusedCopyIsNotTriedAgainUntilThePartChanges) {
  device_.SetDrawingCopiesWork(false);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Frame(Record(1)));
  device_.SetDrawingCopiesWork(true);
  EXPECT_FALSE(Frame(Record(1)));
  EXPECT_EQ(device_.log().drawingCopiesTo, 0);
  Frame(Record(2));
  Frame(Record(2));
  EXPECT_TRUE(Frame(Record(2)));
}

TEST_F(StillPartCacheTest, AFailedCopyInDrawsTheFrameAndNothingStaleFollows) {
  Frame(Record(1));
  Frame(Record(1));
  device_.SetDrawingCopiesWork(false);
  EXPECT_FALSE(Frame(Record(1)));
  device_.SetDrawingCopiesWork(true);
  EXPECT_FALSE(cache_.Restore(device_, Record(1)));
}

TEST_F(StillPartCacheTest, ReleaseFreesTheStoreSoTheDeviceCanBeReset) {
  Frame(Record(1));
  Frame(Record(1));
  EXPECT_EQ(device_.LiveResources(), 1);
  device_.OnDeviceLost();
  cache_.Release();
  EXPECT_EQ(device_.LiveResources(), 0);
  ASSERT_TRUE(device_.OnDeviceReset().ok);
  Frame(Record(1));
  Frame(Record(1));
  EXPECT_TRUE(Frame(Record(1)));

  // Nor is a picture of one device copied into another.
  NullDevice other;
  other.SetViewport({64, 48});
  EXPECT_FALSE(cache_.Restore(other, Record(1)));
}

}  // namespace
