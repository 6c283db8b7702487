#pragma once

#include <functional>
#include <glm/vec4.hpp>
#include <memory>
#include <string>

#include "book/TextureHolder.h"
#include "platform/gfx/PixelSize.h"
#include "platform/gfx/Texture.h"

class GraphicsDevice;

// The texture of one image file: a photo of the texture window or one of the surface textures
// (background, cover, paper, transparent paper, photo index -1). Its size follows the Quality
// setting as PhotoTextureRule says, read at each load. Path, index and sizes survive a release,
// so the holder can be loaded again after a device reset. The texture is shared between holders
// when the texture window shifts; it stays alive while any holder keeps it. User-interface
// thread only.
class PhotoTexture : public TextureHolder {
 public:
  // Gives the Quality setting at the moment of a load.
  using QualitySource = std::function<int()>;
  // Gives, at the moment of a load, whether pictures are turned upright as their files record.
  using UprightSource = std::function<bool()>;

  // Without a device nothing loads; without a quality source Normal (1) is used.
  PhotoTexture() = default;
  // device is not owned and must outlive every load; textures may outlive it.
  PhotoTexture(GraphicsDevice* device, QualitySource quality);

  // For later loads; a texture held stays held. Power-of-two-only devices get power-of-two
  // textures; ours take any size, so the flag is off unless set.
  void SetDevice(GraphicsDevice* device) { device_ = device; }
  void SetQualitySource(QualitySource quality) { quality_ = std::move(quality); }
  // Without an upright source pictures are turned upright.
  void SetUprightSource(UprightSource upright) { upright_ = std::move(upright); }
  void SetPowerOfTwoOnly(bool powerOfTwoOnly) { powerOfTwoOnly_ = powerOfTwoOnly; }

  bool Load(const std::u16string& path, int photoIndex) override;
  DecodeJob PrepareDecode(const std::u16string& path) const override;
  bool LoadDecoded(const std::u16string& path, int photoIndex, DecodedPhoto photo) override;
  // Loads the stored path and index again, e.g. after a device reset. False when a texture is
  // held already, no path is stored or the file cannot be read.
  bool Reload();
  void ReleaseTexture() override;
  void Clear() override;
  // other should be a PhotoTexture; of any other holder only path and index are taken over.
  void CopyFrom(const TextureHolder& other) override;

  bool HasTexture() const override { return texture_ != nullptr; }
  int PhotoIndex() const override { return photoIndex_; }
  const std::u16string& Path() const override { return path_; }
  // The texture to draw with, or nullptr; owned by this holder (and those sharing it).
  const Texture* texture() const { return texture_.get(); }
  // The picture's size (upright when turned so, which is the size everything lays out with) and
  // the size of level 0, both 0 x 0 until a load succeeds.
  PixelSize imageSize() const { return imageSize_; }
  PixelSize textureSize() const { return textureSize_; }

  // (image width, image height, 1, 0), the resolution effects are given.
  glm::vec4 TextureResolution() const;
  // "index TAB width x height TAB texture width x texture height TAB file name", for the
  // technical information box; an empty holder gives "-1\t0 x 0\t0 x 0\t".
  std::u16string Description() const;

 private:
  bool CreateTexture(DecodedPhoto photo);
  int Quality() const;
  bool Upright() const;

  GraphicsDevice* device_ = nullptr;
  QualitySource quality_;
  UprightSource upright_;
  bool powerOfTwoOnly_ = false;
  std::u16string path_;
  int photoIndex_ = -1;
  PixelSize imageSize_;
  PixelSize textureSize_;
  std::shared_ptr<Texture> texture_;
};
