#pragma once

#include <array>
#include <memory>

#include "book/BookFace.h"
#include "book/PageFace.h"
#include "platform/gfx/GraphicsDevice.h"

// The meshes of the book's scene: the floor, the two halves of the cover and the five page faces
// with their photos. The CPU-side data lives as long as the scene; the device meshes are made on
// first use and must be released (ReleaseDeviceResources) before the device is reset or
// destroyed. User-interface thread only.
class BookScene {
 public:
  BookScene();

  PageFace& Face(BookFace face) { return faces_[static_cast<int>(face)]; }
  const PageFace& Face(BookFace face) const { return faces_[static_cast<int>(face)]; }

  // The floor's mesh, made on first use; nullptr when the device cannot make it.
  const Mesh* Floor(GraphicsDevice& device);
  // Half 0 is the left one, 1 the right one; made on first use, nullptr when that fails or for
  // any other half.
  const Mesh* Cover(GraphicsDevice& device, int half);

  // The meshes made so far, for identification; nullptr before, and for a half other than 0, 1.
  const Mesh* FloorMesh() const { return floor_.get(); }
  const Mesh* CoverMesh(int half) const { return half == 0 || half == 1 ? covers_[half].get() : nullptr; }

  // Binds the book on the right: every page face is mirrored across the spine (the reading order
  // of the spreads and the leaves' turn run from right to left), photos still reading as they
  // are. The cover and floor are alike on both sides and stay. Takes effect as faces are prepared.
  void SetRightToLeft(bool rightToLeft);

  void ReleaseDeviceResources();

 private:
  std::array<PageFace, kBookFaceCount> faces_;
  std::unique_ptr<Mesh> floor_;
  std::array<std::unique_ptr<Mesh>, 2> covers_;
};
