#include "app/BookTextures.h"

#include "photos/PhotoList.h"

namespace {

std::array<TextureHolder*, TextureWindow::kSlotCount> Holders(
    std::array<PhotoTexture, TextureWindow::kSlotCount>& slots) {
  std::array<TextureHolder*, TextureWindow::kSlotCount> holders{};
  for (int k = 0; k < TextureWindow::kSlotCount; ++k) holders[k] = &slots[k];
  return holders;
}

PhotoSlotTexture SlotTexture(const PhotoTexture& slot, const PhotoList& photos) {
  const int index = slot.PhotoIndex();
  return {slot.texture(), slot.imageSize().width, slot.imageSize().height,
          photos.Contains(index) ? photos[index].flags : PhotoRotation{0}, index};
}

}  // namespace

BookTextures::BookTextures(PhotoTexture::QualitySource quality, PhotoTexture::UprightSource upright)
    : loader_([this](std::function<void()> task) { pool_.Post(std::move(task)); }), window_(Holders(slots_)) {
  window_.SetLoader(&loader_);
  for (PhotoTexture& holder : slots_) {
    holder.SetQualitySource(quality);
    holder.SetUprightSource(upright);
  }
  for (PhotoTexture& holder : surfaces_) {
    holder.SetQualitySource(quality);
    holder.SetUprightSource(upright);
  }
}

void BookTextures::SetDevice(GraphicsDevice* device) {
  for (PhotoTexture& slot : slots_) slot.SetDevice(device);
  for (PhotoTexture& surface : surfaces_) surface.SetDevice(device);
}

void BookTextures::SetSurfacePath(SurfaceTexture surface, const std::u16string& path) {
  PhotoTexture& holder = Surface(surface);
  holder.Clear();
  // Without a device the load fails but keeps the path for the next reset.
  holder.Load(path, -1);
}

void BookTextures::ReloadSurfaces() {
  for (PhotoTexture& surface : surfaces_) surface.Reload();
}

void BookTextures::ReleaseAll() {
  window_.ReleaseAll();
  for (PhotoTexture& surface : surfaces_) surface.ReleaseTexture();
}

void BookTextures::ReloadAll() {
  ReleaseAll();
  ReloadSurfaces();
}

SceneTextures BookTextures::Gather(const PhotoList& photos) const {
  SceneTextures textures;
  for (int k = 0; k < TextureWindow::kSlotCount; ++k) textures.slots[k] = SlotTexture(slots_[k], photos);
  textures.background = surfaces_[static_cast<int>(SurfaceTexture::Background)].texture();
  textures.cover = surfaces_[static_cast<int>(SurfaceTexture::Cover)].texture();
  textures.paper = surfaces_[static_cast<int>(SurfaceTexture::Paper)].texture();
  textures.transparentPaper = surfaces_[static_cast<int>(SurfaceTexture::TransparentPaper)].texture();
  return textures;
}

std::u16string BookTextures::SlotReport() const {
  std::u16string report;
  for (int k = 0; k < TextureWindow::kSlotCount; ++k) {
    const int n = k + 1;
    report += std::u16string{char16_t(u'0' + n / 10), char16_t(u'0' + n % 10), u'\t'};
    report += slots_[k].Description() + u"\n";
    if (n % 4 == 0) report += u"\n";
  }
  return report;
}
