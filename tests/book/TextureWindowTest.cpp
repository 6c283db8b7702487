#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "book/TextureHolder.h"
#include "book/TextureWindow.h"

namespace {

// Records every decode the window asks for; a texture is a shared number, so that moving a
// reference can be told from decoding the file again.
struct Decoder {
  std::vector<int> decoded;  // photo indices, in call order
  std::set<int> broken;      // photos whose files cannot be decoded
  int nextTexture = 1;
};

class FakeHolder : public TextureHolder {
 public:
  explicit FakeHolder(Decoder& decoder) : decoder_(decoder) {}

  bool Load(const std::u16string& path, int photoIndex) override {
    if (texture_ || path.empty()) return false;
    path_ = path;
    index_ = photoIndex;
    decoder_.decoded.push_back(photoIndex);
    if (decoder_.broken.count(photoIndex)) return false;
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
