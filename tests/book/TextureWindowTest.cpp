#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "book/PhotoLoader.h"
#include "book/TextureHolder.h"
#include "book/TextureWindow.h"

namespace {

// Records every decode the window asks for; a texture is a shared number, so that moving a
// reference can be told from decoding the file again.
struct Decoder {
  std::vector<int> decoded;   // photo indices, in call order
  std::vector<int> uploaded;  // photo indices whose textures were created, in order
  std::set<int> broken;       // photos whose files cannot be decoded
  int nextTexture = 1;
  std::function<void()> duringDecode;  // runs in the middle of each decoding
};

class FakeHolder : public TextureHolder {
 public:
  explicit FakeHolder(Decoder& decoder) : decoder_(decoder) {}

  bool Load(const std::u16string& path, int photoIndex) override {
    if (texture_ || path.empty()) return false;
    return LoadDecoded(path, photoIndex, PrepareDecode(path)());
  }
  // The photo index travels in the image width, so that a texture shows which decoding it came from.
  DecodeJob PrepareDecode(const std::u16string& path) const override {
    return [&decoder = decoder_, path] {
      const int index = path.back() == u'g' ? path[path.size() - 5] - u'A' : -1;
      decoder.decoded.push_back(index);
      if (decoder.duringDecode) decoder.duringDecode();
      if (decoder.broken.count(index)) return DecodedPhoto{};
      return DecodedPhoto{true, {index, 1}, {1, 1}, {}};
    };
  }
  bool LoadDecoded(const std::u16string& path, int photoIndex, DecodedPhoto photo) override {
    if (texture_ || path.empty()) return false;
    path_ = path;
    index_ = photoIndex;
    if (!photo.decoded) return false;
    decodedFrom_ = photo.imageSize.width;
    decoder_.uploaded.push_back(photoIndex);
    texture_ = std::make_shared<int>(decoder_.nextTexture++);
    return true;
  }
  void ReleaseTexture() override { texture_.reset(); }
  void Clear() override {
    path_.clear();
    index_ = -1;
    texture_.reset();
  }
  void CopyFrom(const TextureHolder& other) override {
    const auto& from = static_cast<const FakeHolder&>(other);
    path_ = from.path_;
    index_ = from.index_;
    texture_ = from.texture_;
  }
  bool HasTexture() const override { return texture_ != nullptr; }
  int PhotoIndex() const override { return index_; }
  const std::u16string& Path() const override { return path_; }

  std::shared_ptr<int> texture_;
  int decodedFrom_ = -1;  // the index of the photo whose decoding made the texture

 private:
  Decoder& decoder_;
  std::u16string path_;
  int index_ = -1;
};

class TextureWindowTest : public testing::Test {
 protected:
  TextureWindowTest() : window_(Pointers()) {
    for (int i = 0; i < 40; ++i) photos_.push_back({u"/photos/" + std::u16string(1, u'A' + i) + u".jpg"});
  }

  std::array<TextureHolder*, 12> Pointers() {
    std::array<TextureHolder*, 12> pointers;
    for (int k = 0; k < 12; ++k) pointers[k] = &holders_[k];
    return pointers;
  }

  bool FillOne(int photoCount, int page) {
    return window_.FillSlots(photos_, photoCount, page, TextureWindow::FillMode::Incremental);
  }
  void FillAll(int photoCount, int page) {
    window_.FillSlots(photos_, photoCount, page, TextureWindow::FillMode::Full);
  }
  // The textures held now; clears the decode record, so that later decodes stand out.
  std::vector<std::shared_ptr<int>> Textures() {
    decoder_.decoded.clear();
    std::vector<std::shared_ptr<int>> textures;
    for (const FakeHolder& holder : holders_) textures.push_back(holder.texture_);
    return textures;
  }
  std::vector<int> Indices() const {
    std::vector<int> indices;
    for (const FakeHolder& holder : holders_) indices.push_back(holder.PhotoIndex());
    return indices;
  }

  Decoder decoder_;
  std::vector<PhotoEntry> photos_;
  std::vector<FakeHolder> holders_ = std::vector<FakeHolder>(12, FakeHolder(decoder_));
  TextureWindow window_;
};

TEST_F(TextureWindowTest, IncrementalFillDecodesOnePhotoPerCallOpenRightPageFirst) {
  // CurrentPage 2: slot k shows photo k - 2.
  int calls = 0;
  while (FillOne(20, 2)) {
    ++calls;
    EXPECT_EQ(decoder_.decoded.size(), static_cast<size_t>(calls));
    EXPECT_EQ(window_.PhotosLoading(20, 2), calls < 10);
  }
  EXPECT_EQ(calls, 10);
  EXPECT_EQ(decoder_.decoded, (std::vector<int>{4, 5, 2, 3, 6, 7, 8, 9, 0, 1}));
  EXPECT_EQ(holders_[6].Path(), u"/photos/E.jpg");
  EXPECT_EQ(Indices(), (std::vector<int>{-1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(TextureWindowTest, BrokenPhotoIsRetriedEachCallWithoutBlockingTheOthers) {
  decoder_.broken = {5};
  EXPECT_TRUE(FillOne(20, 2));
  EXPECT_TRUE(FillOne(20, 2));
  EXPECT_TRUE(FillOne(20, 2));
  EXPECT_EQ(decoder_.decoded, (std::vector<int>{4, 5, 2, 5, 3}));
  while (FillOne(20, 2)) {
  }
  EXPECT_TRUE(window_.PhotosLoading(20, 2));
  EXPECT_FALSE(holders_[7].HasTexture());
  for (int k = 2; k < 12; ++k) EXPECT_EQ(holders_[k].HasTexture(), k != 7) << k;
}

TEST_F(TextureWindowTest, MissingPhotosEmptyTheirSlots) {
  // Three photos at the second spread: only photo 2 (left top) exists in the open spread.
  holders_[9].Load(u"/old/folder.jpg", 7);
  FillAll(3, 2);
  EXPECT_EQ(Indices(), (std::vector<int>{-1, -1, 0, 1, 2, -1, -1, -1, -1, -1, -1, -1}));
  EXPECT_FALSE(holders_[9].HasTexture());
  EXPECT_FALSE(window_.PhotosLoading(3, 2));
  EXPECT_FALSE(FillOne(3, 2));
  EXPECT_FALSE(FillOne(0, 0));
  EXPECT_FALSE(window_.PhotosLoading(0, 0));
}

TEST_F(TextureWindowTest, TextureOfAnotherPhotoIsReplaced) {
  holders_[6].Load(u"/photos/Z.jpg", 0);
  FillAll(20, 0);
  EXPECT_EQ(holders_[6].Path(), u"/photos/A.jpg");
}

TEST_F(TextureWindowTest, PhotoCountBeyondTheListIsNotRead) {
  // CurrentPage 20 wants photos 34..45 of a list of 40.
  FillAll(1000, 20);
  EXPECT_EQ(decoder_.decoded, (std::vector<int>{38, 39, 34, 35, 36, 37}));
}

TEST_F(TextureWindowTest, FullFillLoadsEverythingAtOnce) {
  EXPECT_TRUE(window_.FillSlots(photos_, 40, 4, TextureWindow::FillMode::Full));
  EXPECT_EQ(decoder_.decoded, (std::vector<int>{8, 9, 6, 7, 10, 11, 12, 13, 2, 3, 4, 5}));
  EXPECT_FALSE(window_.PhotosLoading(40, 4));
  EXPECT_FALSE(window_.FillSlots(photos_, 40, 4, TextureWindow::FillMode::Full));
}

TEST_F(TextureWindowTest, ShiftForwardMovesTexturesAndTheNextPageLoadsOnlyTheNewSpread) {
  FillAll(40, 4);
  const auto before = Textures();
  window_.ShiftForward();
  for (int k = 0; k < 8; ++k) EXPECT_EQ(holders_[k].texture_, before[k + 4]) << k;
  for (int k = 8; k < 12; ++k) EXPECT_EQ(holders_[k].PhotoIndex(), -1) << k;
  for (int k = 0; k < 4; ++k) EXPECT_EQ(before[k].use_count(), 1) << "slot " << k << " still referenced";
  EXPECT_TRUE(decoder_.decoded.empty());
  FillAll(40, 6);
  EXPECT_EQ(decoder_.decoded, (std::vector<int>{14, 15, 16, 17}));
}

TEST_F(TextureWindowTest, ShiftBackwardMovesTexturesAndThePreviousPageLoadsOnlyTheNewSpread) {
  FillAll(40, 4);
  const auto before = Textures();
  window_.ShiftBackward();
  for (int k = 4; k < 12; ++k) EXPECT_EQ(holders_[k].texture_, before[k - 4]) << k;
  for (int k = 0; k < 4; ++k) EXPECT_EQ(holders_[k].PhotoIndex(), -1) << k;
  for (int k = 8; k < 12; ++k) EXPECT_EQ(before[k].use_count(), 1) << "slot " << k << " still referenced";
  FillAll(40, 2);
  EXPECT_EQ(decoder_.decoded, (std::vector<int>{0, 1}));
}

TEST_F(TextureWindowTest, EmptyAndReleaseAll) {
  FillAll(40, 4);
  window_.ReleaseAll();
  EXPECT_TRUE(window_.PhotosLoading(40, 4));
  EXPECT_EQ(Indices(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
  window_.EmptyAll();
  EXPECT_EQ(Indices(), std::vector<int>(12, -1));
  for (const FakeHolder& holder : holders_) EXPECT_TRUE(holder.Path().empty());
}

}  // namespace

// The window with a loader whose jobs wait in a queue until the test runs them, so that every
// interleaving of decodings and fills is chosen by the test.
class TextureWindowLoaderTest : public TextureWindowTest {
 protected:
  TextureWindowLoaderTest() { window_.SetLoader(&loader_); }

  void RunJobs(size_t count = SIZE_MAX) {
    while (count-- > 0 && !jobs_.empty()) {
      std::function<void()> job = std::move(jobs_.front());
      jobs_.pop_front();
      job();
    }
  }
  // Fills until nothing more is created, and reports how often something was.
  int FillUntilDone(int photoCount, int page) {
    int created = 0;
    while (FillOne(photoCount, page)) ++created;
    return created;
  }

  std::deque<std::function<void()>> jobs_;
  PhotoLoader loader_{[this](std::function<void()> job) { jobs_.push_back(std::move(job)); }};
};

TEST_F(TextureWindowLoaderTest, EveryMissingPhotoIsDecodedInLoadingOrderAndOneTextureIsCreatedPerFill) {
  EXPECT_FALSE(FillOne(20, 2));
  EXPECT_EQ(jobs_.size(), 10u);
  EXPECT_FALSE(FillOne(20, 2));
  EXPECT_EQ(jobs_.size(), 10u) << "a photo asked for twice";
  RunJobs();
  EXPECT_EQ(decoder_.decoded, (std::vector<int>{4, 5, 2, 3, 6, 7, 8, 9, 0, 1}));
  EXPECT_TRUE(decoder_.uploaded.empty());
  for (int fill = 1; fill <= 10; ++fill) {
    EXPECT_TRUE(window_.PhotosLoading(20, 2));
    EXPECT_TRUE(FillOne(20, 2));
    EXPECT_EQ(decoder_.uploaded.size(), static_cast<size_t>(fill));
  }
  EXPECT_FALSE(window_.PhotosLoading(20, 2));
  EXPECT_EQ(decoder_.uploaded, (std::vector<int>{4, 5, 2, 3, 6, 7, 8, 9, 0, 1}));
  for (int k = 2; k < 12; ++k) EXPECT_EQ(holders_[k].decodedFrom_, k - 2) << k;
}

TEST_F(TextureWindowLoaderTest, FirstFinishedPhotoInLoadingOrderIsCreatedFirst) {
  FillOne(20, 2);
  std::swap(jobs_[0], jobs_[4]);  // photo 6 finishes before photo 4
  RunJobs(1);
  EXPECT_TRUE(FillOne(20, 2));
  RunJobs();
  EXPECT_EQ(FillUntilDone(20, 2), 9);
  EXPECT_EQ(decoder_.uploaded, (std::vector<int>{6, 4, 5, 2, 3, 7, 8, 9, 0, 1}));
}

// A broken photo in view must not be decoded again frame after frame, yet one still being copied
// into the folder must appear once it is complete.
TEST_F(TextureWindowLoaderTest, ABrokenPhotoDoesNotBlockTheOthersAndIsDecodedAgainOnlyOnceItsFileChanged) {
  std::map<std::u16string, FileStamp> stamps;
  window_.SetStampSource([&stamps](const std::u16string& path) -> std::optional<FileStamp> {
    return stamps.count(path) ? std::optional(stamps[path]) : std::nullopt;
  });
  const std::u16string broken = photos_[5].path;
  stamps[broken] = {100, 1};
  decoder_.broken = {5};
  FillOne(20, 2);
  stamps[broken] = {200, 2};  // the copy grows while the first decoding runs
  RunJobs();
  EXPECT_EQ(FillUntilDone(20, 2), 9);
  EXPECT_TRUE(window_.PhotosLoading(20, 2));
  ASSERT_EQ(jobs_.size(), 1u) << "a change made during the decoding is not missed";
  RunJobs();
  for (int frame = 0; frame < 5; ++frame) FillOne(20, 2);
  EXPECT_TRUE(jobs_.empty()) << "an unchanged broken file is decoded again";
  EXPECT_FALSE(holders_[7].HasTexture());

  stamps[broken] = {300, 3};
  decoder_.broken.clear();
  FillOne(20, 2);
  RunJobs();
  EXPECT_TRUE(FillOne(20, 2));
  EXPECT_TRUE(holders_[7].HasTexture());
  EXPECT_FALSE(window_.PhotosLoading(20, 2));
}

TEST_F(TextureWindowLoaderTest, AFailedPhotoIsTriedAgainAfterAnotherFolderOrADeviceLoss) {
  decoder_.broken = {4};
  FillOne(20, 2);
  RunJobs();
  FillUntilDone(20, 2);
  FillOne(20, 2);
  EXPECT_TRUE(jobs_.empty());
  window_.ReleaseAll();
  FillOne(20, 2);
  EXPECT_EQ(jobs_.size(), 10u);
  RunJobs();
  FillUntilDone(20, 2);
  window_.EmptyAll();
  jobs_.clear();
  FillOne(20, 2);
  EXPECT_EQ(jobs_.size(), 10u);
}

TEST_F(TextureWindowLoaderTest, NoPhotoOfTheOldFolderAppearsAfterAnotherIsOpened) {
  FillOne(20, 2);
  RunJobs(3);
  EXPECT_TRUE(FillOne(20, 2));
  // The fourth decoding is running when the folder changes.
  decoder_.duringDecode = [this] {
    decoder_.duringDecode = nullptr;
    window_.EmptyAll();
  };
  RunJobs(1);
  EXPECT_EQ(decoder_.decoded, (std::vector<int>{4, 5, 2, 3}));
  RunJobs();
  EXPECT_EQ(decoder_.decoded.size(), 4u) << "a cancelled photo was decoded";
  for (PhotoEntry& photo : photos_) photo.path.insert(1, u"new");
  EXPECT_FALSE(FillOne(20, 2));
  RunJobs();
  EXPECT_EQ(FillUntilDone(20, 2), 10);
  for (int k = 2; k < 12; ++k) {
    EXPECT_EQ(holders_[k].Path().substr(0, 5), u"/newp") << k;
    EXPECT_EQ(holders_[k].decodedFrom_, k - 2) << k;
  }
}

TEST_F(TextureWindowLoaderTest, CancelledDecodingOfTheSamePathIsDecodedAgain) {
  FillOne(20, 2);
  decoder_.duringDecode = [this] {
    decoder_.duringDecode = nullptr;
    window_.EmptyAll();
  };
  RunJobs();
  EXPECT_FALSE(FillOne(20, 2));
  RunJobs();
  EXPECT_EQ(FillUntilDone(20, 2), 10);
  EXPECT_EQ(decoder_.decoded.front(), 4);
  EXPECT_EQ(decoder_.decoded[1], 4) << "the result of a cancelled decoding was kept";
}

TEST_F(TextureWindowLoaderTest, PhotosComeBackAfterADeviceLossMidLoad) {
  FillOne(20, 2);
  RunJobs(5);
  EXPECT_EQ(FillUntilDone(20, 2), 5);
  window_.ReleaseAll();
  RunJobs();
  EXPECT_EQ(decoder_.decoded.size(), 5u) << "a decoding for the lost device went on";
  EXPECT_TRUE(window_.PhotosLoading(20, 2));
  EXPECT_FALSE(FillOne(20, 2));
  RunJobs();
  EXPECT_EQ(FillUntilDone(20, 2), 10);
  EXPECT_FALSE(window_.PhotosLoading(20, 2));
}

TEST_F(TextureWindowLoaderTest, PhotosThatLeftTheWindowAreDropped) {
  FillOne(40, 2);
  RunJobs();
  window_.ShiftForward();
  // At page 4 photos 0 and 1 are out of the window; 2 to 9 are wanted, 10 to 13 new.
  EXPECT_EQ(FillUntilDone(40, 4), 8);
  EXPECT_FALSE(loader_.Pending({u"/photos/A.jpg", 0}));
  EXPECT_FALSE(loader_.Pending({u"/photos/B.jpg", 1}));
  EXPECT_EQ(jobs_.size(), 4u);
  RunJobs();
  EXPECT_EQ(FillUntilDone(40, 4), 4);
  EXPECT_EQ(decoder_.uploaded, (std::vector<int>{8, 9, 6, 7, 2, 3, 4, 5, 10, 11, 12, 13}));
}

TEST_F(TextureWindowLoaderTest, ALookAheadIsDecodedAfterTheWindowAndShownAtOnceByAJump) {
  window_.SetLookAhead(0);
  FillOne(20, 10);  // the last spread of 20 photos; the first spread's photos 0 and 1 come after its own
  EXPECT_EQ(jobs_.size(), 8u);
  RunJobs();
  EXPECT_EQ(decoder_.decoded, (std::vector<int>{18, 19, 14, 15, 16, 17, 0, 1}));
  EXPECT_EQ(FillUntilDone(20, 10), 6);
  EXPECT_TRUE(loader_.Pending({u"/photos/A.jpg", 0})) << "the look-ahead was dropped by a fill";
  window_.JumpTo(photos_, 20, 0);
  EXPECT_EQ(Indices(), (std::vector<int>{-1, -1, -1, -1, -1, -1, 0, 1, -1, -1, -1, -1}));
  EXPECT_EQ(holders_[6].decodedFrom_, 0);
  EXPECT_EQ(holders_[7].decodedFrom_, 1);
  EXPECT_EQ(decoder_.decoded.size(), 8u) << "the jump decoded on the calling thread";
  // Without a look-ahead, nothing is kept for it and a jump shows what is decoded later.
  window_.SetLookAhead(std::nullopt);
  FillOne(20, 0);
  RunJobs();
  EXPECT_EQ(FillUntilDone(20, 0), 4);
  window_.JumpTo(photos_, 20, 4);
  EXPECT_TRUE(window_.PhotosLoading(20, 4));
  FillOne(20, 4);
  RunJobs();
  EXPECT_EQ(FillUntilDone(20, 4), 12);
}

// Jobs run as they are posted, so that waiting fills can be checked on one thread.
class TextureWindowWaitingTest : public TextureWindowTest {
 protected:
  TextureWindowWaitingTest() { window_.SetLoader(&loader_); }
  PhotoLoader loader_{[](std::function<void()> job) { job(); }};
};

TEST_F(TextureWindowWaitingTest, FullFillWaitsForEveryPhoto) {
  decoder_.broken = {9};
  EXPECT_TRUE(window_.FillSlots(photos_, 40, 4, TextureWindow::FillMode::Full));
  EXPECT_EQ(decoder_.uploaded, (std::vector<int>{8, 6, 7, 10, 11, 12, 13, 2, 3, 4, 5}));
  EXPECT_TRUE(window_.PhotosLoading(40, 4));
  decoder_.decoded.clear();
  EXPECT_FALSE(window_.FillSlots(photos_, 40, 4, TextureWindow::FillMode::Full));
  EXPECT_TRUE(decoder_.decoded.empty()) << "a movie frame decodes an unchanged broken photo again";
}
