#include "book/BookScene.h"

#include "book/CoverGeometry.h"
#include "book/DeviceGridMesh.h"

namespace {

std::unique_ptr<Mesh> MakeMesh(GraphicsDevice& device, const std::optional<GridMesh>& grid) {
  return grid ? CreateDeviceMesh(device, *grid) : nullptr;
}

}  // namespace

BookScene::BookScene()
    : faces_{PageFace(false, false), PageFace(true, false), PageFace(false, false), PageFace(true, false),
             PageFace(true, true)} {}

const Mesh* BookScene::Floor(GraphicsDevice& device) {
  if (!floor_) floor_ = MakeMesh(device, BuildFloor());
  return floor_.get();
}

const Mesh* BookScene::Cover(GraphicsDevice& device, int half) {
  if (half != 0 && half != 1) return nullptr;
  std::unique_ptr<Mesh>& cover = covers_[half];
  if (!cover) cover = MakeMesh(device, BuildCoverHalf(half == 1));
  return cover.get();
}

void BookScene::SetRightToLeft(bool rightToLeft) {
  for (PageFace& face : faces_) face.page().SetMirrored(rightToLeft);
}

void BookScene::ReleaseDeviceResources() {
  for (PageFace& face : faces_) face.ReleaseDeviceResources();
  floor_.reset();
  for (std::unique_ptr<Mesh>& cover : covers_) cover.reset();
}
