#include "book/PhotoTexture.h"

#include <string>
#include <utility>
#include <vector>

#include "book/PhotoTextureRule.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/ImageFile.h"
#include "platform/gfx/MipChain.h"
#include "platform/sys/StringConvert.h"

namespace {

constexpr int kNormalQuality = 1;

std::u16string SizeText(PixelSize size) { return DecimalText(size.width) + u" x " + DecimalText(size.height); }

// "/" is the only separator of paths on this platform.
std::u16string FileNamePart(const std::u16string& path) { return path.substr(path.find_last_of(u'/') + 1); }

// Moves the pixels of each level into the form the device takes.
std::vector<std::vector<uint32_t>> LevelTexels(std::vector<PixelImage> levels) {
  std::vector<std::vector<uint32_t>> texels;
  texels.reserve(levels.size());
  for (PixelImage& level : levels) texels.push_back(std::move(level.texels));
  return texels;
}

// A file that cannot be read gives a photo not decoded; the texture window tries it again on its
// next fill, so nothing is reported here. The size follows the picture once turned upright, so
// a portrait photo gets a portrait texture.
DecodedPhoto DecodePhoto(const std::u16string& path, const PhotoTextureRule& rule, const TextureCaps& caps,
                         bool upright) {
  const ImageRequest request{[&](PixelSize picture) { return rule.TextureSize(picture, caps); }, caps.maxTextureSize,
                             upright};
  PixelImage level0;
  ImageInfo info;
  if (!DecodeImage(path, request, level0, info).Succeeded()) return {};
  DecodedPhoto photo{true, {info.width, info.height}, {level0.width, level0.height}, {}};
  photo.levels = LevelTexels(BuildMipChain(std::move(level0), rule.mipLevels));
  return photo;
}

}  // namespace

PhotoTexture::PhotoTexture(GraphicsDevice* device, QualitySource quality)
    : device_(device), quality_(std::move(quality)) {}

bool PhotoTexture::Load(const std::u16string& path, int photoIndex) {
  if (texture_ != nullptr || path.empty()) return false;
  path_ = path;
  photoIndex_ = photoIndex;
  return CreateTexture(PrepareDecode(path)());
}

DecodeJob PhotoTexture::PrepareDecode(const std::u16string& path) const {
  if (device_ == nullptr) return [] { return DecodedPhoto{}; };
  return [path, rule = PhotoTextureRule::ForQuality(Quality()),
          caps = TextureCaps{device_->MaxTextureSize(), powerOfTwoOnly_},
          upright = Upright()] { return DecodePhoto(path, rule, caps, upright); };
}

bool PhotoTexture::LoadDecoded(const std::u16string& path, int photoIndex, DecodedPhoto photo) {
  if (texture_ != nullptr || path.empty()) return false;
  path_ = path;
  photoIndex_ = photoIndex;
  return CreateTexture(std::move(photo));
}

bool PhotoTexture::Reload() {
  const std::u16string path = path_;
  return Load(path, photoIndex_);
}

void PhotoTexture::ReleaseTexture() { texture_.reset(); }

void PhotoTexture::Clear() {
  path_.clear();
  photoIndex_ = -1;
  imageSize_ = {};
  textureSize_ = {};
  texture_.reset();
}

void PhotoTexture::CopyFrom(const TextureHolder& other) {
  if (&other == this) return;
  const auto* from = dynamic_cast<const PhotoTexture*>(&other);
  Clear();
  path_ = other.Path();
  photoIndex_ = other.PhotoIndex();
  if (from == nullptr) return;
  imageSize_ = from->imageSize_;
  textureSize_ = from->textureSize_;
  texture_ = from->texture_;
}

glm::vec4 PhotoTexture::TextureResolution() const {
  return {static_cast<float>(imageSize_.width), static_cast<float>(imageSize_.height), 1.0f, 0.0f};
}

std::u16string PhotoTexture::Description() const {
  return DecimalText(photoIndex_) + u"\t" + SizeText(imageSize_) + u"\t" + SizeText(textureSize_) + u"\t" +
         FileNamePart(path_);
}

int PhotoTexture::Quality() const { return quality_ ? quality_() : kNormalQuality; }

bool PhotoTexture::Upright() const { return !upright_ || upright_(); }

bool PhotoTexture::CreateTexture(DecodedPhoto photo) {
  imageSize_ = {};
  textureSize_ = {};
  if (device_ == nullptr || !photo.decoded) return false;
  std::shared_ptr<Texture> texture = device_->CreateTexture(photo.levelSize.width, photo.levelSize.height, photo.levels);
  if (texture == nullptr) return false;
  imageSize_ = photo.imageSize;
  textureSize_ = {texture->width(), texture->height()};
  texture_ = std::move(texture);
  return true;
}
