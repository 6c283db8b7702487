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

}  // namespace

PhotoTexture::PhotoTexture(GraphicsDevice* device, QualitySource quality)
    : device_(device), quality_(std::move(quality)) {}

bool PhotoTexture::Load(const std::u16string& path, int photoIndex) {
  if (texture_ != nullptr || path.empty()) return false;
  path_ = path;
  photoIndex_ = photoIndex;
  return CreateTexture();
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

// A file that cannot be read leaves no texture and zero sizes; the texture window tries it
// again on its next fill, so nothing is reported here. The size follows the picture once turned
// upright, so a portrait photo gets a portrait texture.
bool PhotoTexture::CreateTexture() {
  imageSize_ = {};
  textureSize_ = {};
  if (device_ == nullptr) return false;
  const PhotoTextureRule rule = PhotoTextureRule::ForQuality(Quality());
  const TextureCaps caps{device_->MaxTextureSize(), powerOfTwoOnly_};
  const ImageRequest request{[&](PixelSize picture) { return rule.TextureSize(picture, caps); }, caps.maxTextureSize,
                             Upright()};
  PixelImage level0;
  ImageInfo info;
  if (!DecodeImage(path_, request, level0, info).Succeeded()) return false;
  const int width = level0.width, height = level0.height;
  const auto levels = LevelTexels(BuildMipChain(std::move(level0), rule.mipLevels));
  std::shared_ptr<Texture> texture = device_->CreateTexture(width, height, levels);
  if (texture == nullptr) return false;
  imageSize_ = {info.width, info.height};
  textureSize_ = {texture->width(), texture->height()};
  texture_ = std::move(texture);
  return true;
}
