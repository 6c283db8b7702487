#include "book/PhotoLoader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "platform/sys/WorkerPool.h"

namespace {

// Real threads: these tests are the ones run under ThreadSanitizer.
class PhotoLoaderTest : public testing::Test {
 protected:
  static PhotoLoader::Key KeyOf(int index) { return {u"/photos/" + std::u16string(1, u'A' + index), index}; }
  DecodeJob Job(int index) {
    return [this, index] {
      ++decodings_;
      return DecodedPhoto{true, {index, 1}, {1, 1}, {std::vector<uint32_t>(64, uint32_t(index))}};
    };
  }

  std::atomic<int> decodings_{0};
  WorkerPool pool_{3};
  PhotoLoader loader_{[this](std::function<void()> job) { pool_.Post(std::move(job)); }};
};

TEST_F(PhotoLoaderTest, EachResultBelongsToItsKey) {
  for (int k = 0; k < 12; ++k) loader_.Request(KeyOf(k), Job(k));
  for (int k = 11; k >= 0; --k) {
    const DecodedPhoto photo = loader_.Wait(KeyOf(k));
    EXPECT_TRUE(photo.decoded);
    EXPECT_EQ(photo.imageSize.width, k);
    EXPECT_EQ(photo.levels[0][63], uint32_t(k));
    EXPECT_FALSE(loader_.Pending(KeyOf(k)));
  }
  EXPECT_FALSE(loader_.Wait(KeyOf(3)).decoded) << "a key not asked for gives nothing";
}

TEST_F(PhotoLoaderTest, TakeGivesAResultOnlyOnceItIsDone) {
  loader_.Request(KeyOf(1), Job(1));
  loader_.Request(KeyOf(1), Job(1));
  pool_.Drain();
  EXPECT_EQ(decodings_.load(), 1);
  EXPECT_FALSE(loader_.Take(KeyOf(2)));
  const std::optional<DecodedPhoto> photo = loader_.Take(KeyOf(1));
  ASSERT_TRUE(photo);
  EXPECT_EQ(photo->imageSize.width, 1);
  EXPECT_FALSE(loader_.Take(KeyOf(1)));
}

TEST_F(PhotoLoaderTest, NothingRequestedBeforeACancelIsDelivered) {
  for (int round = 0; round < 20; ++round) {
    for (int k = 0; k < 12; ++k) loader_.Request(KeyOf(k), Job(k));
    loader_.Cancel();
    pool_.Drain();
    for (int k = 0; k < 12; ++k) EXPECT_FALSE(loader_.Take(KeyOf(k))) << round << " " << k;
  }
  loader_.Request(KeyOf(4), Job(4));
  EXPECT_EQ(loader_.Wait(KeyOf(4)).imageSize.width, 4);
}

TEST_F(PhotoLoaderTest, KeepOnlyDropsTheOthersEvenWhileTheyDecode) {
  for (int k = 0; k < 12; ++k) loader_.Request(KeyOf(k), Job(k));
  loader_.KeepOnly({KeyOf(2), KeyOf(7)});
  pool_.Drain();
  for (int k = 0; k < 12; ++k) EXPECT_EQ(loader_.Take(KeyOf(k)).has_value(), k == 2 || k == 7) << k;
}

// As the texture window does each frame: asking for results while the workers still store theirs.
TEST_F(PhotoLoaderTest, PollingWhileJobsRunGivesEachResultOnce) {
  constexpr int kCount = 24;
  for (int k = 0; k < kCount; ++k) loader_.Request(KeyOf(k), Job(k));
  std::vector<int> taken(kCount, 0);
  for (int done = 0; done < kCount;) {
    for (int k = 0; k < kCount; ++k) {
      if (!loader_.Pending(KeyOf(k))) continue;
      const std::optional<DecodedPhoto> photo = loader_.Take(KeyOf(k));
      if (!photo) continue;
      EXPECT_EQ(photo->imageSize.width, k);
      ++taken[k], ++done;
    }
  }
  EXPECT_EQ(std::count(taken.begin(), taken.end(), 1), kCount);
  EXPECT_EQ(decodings_.load(), kCount);
}

// Whatever the jobs hold is freed once they are done, though nobody takes their results.
TEST(PhotoLoaderLifetimeTest, LoaderMayGoWhileItsJobsRun) {
  WorkerPool pool(2);
  const auto held = std::make_shared<int>(0);
  {
    PhotoLoader loader([&](std::function<void()> job) { pool.Post(std::move(job)); });
    for (int k = 0; k < 50; ++k) {
      loader.Request({u"/p", k}, [held] { return DecodedPhoto{true, {1, 1}, {1, 1}, {std::vector<uint32_t>(1024)}}; });
    }
  }
  pool.Drain();
  EXPECT_EQ(held.use_count(), 1);
}

}  // namespace
