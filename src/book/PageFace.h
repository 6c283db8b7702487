#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "book/PageMesh.h"
#include "platform/gfx/GraphicsDevice.h"
#include "settings/PhotoRotation.h"

// A page face with its device copies: the face's grid mesh in the last three shapes prepared,
// uploaded again only for a shape that neither holds nor lies exactly as, and the meshes of its
// two photos, rebuilt at every draw from the face's current vertices, the last two of each kept.
// A face drawn in two shapes in every frame (the interleaf on both pages during a page turn) so
// uploads nothing while it stays where it is, and a page lying still keeps its mesh and version
// whichever way a turn goes. Owns the device meshes; they must be released
// (ReleaseDeviceResources) before the device is reset or destroyed. User-interface thread only.
class PageFace {
 public:
  PageFace(bool side, bool transparent) : page_(side, transparent) {}

  // Eases progress, reshapes the face when the eased progress or the direction changed, and
  // returns the grid mesh holding that shape, uploading it into the one used longest ago when
  // none does (made on first use). nullptr when the mesh cannot be created.
  const Mesh* Prepare(GraphicsDevice& device, float progress, int direction);

  // The mesh of the top or bottom photo of an image of imageWidth x imageHeight pixels shown with
  // flags, on the face as last prepared. nullptr for an image without size or when the device
  // cannot make the mesh.
  const Mesh* PreparePhoto(GraphicsDevice& device, bool top, int imageWidth, int imageHeight, PhotoRotation flags);

  // Releases every device mesh; the vertex arrays remain and the next Prepare reshapes.
  void ReleaseDeviceResources();

  PageMesh& page() { return page_; }
  const PageMesh& page() const { return page_; }
  // The grid mesh, nullptr before the first successful Prepare.
  const Mesh* mesh() const { return shapes_[current_].mesh.get(); }
  // Whether mesh is the face's grid mesh in one of its shapes.
  bool HasMesh(const Mesh* mesh) const {
    return mesh != nullptr &&
           std::any_of(shapes_.begin(), shapes_.end(), [&](const Shape& shape) { return shape.mesh.get() == mesh; });
  }
  // The device mesh of the top or bottom photo as last prepared, nullptr before.
  const Mesh* photoMesh(bool top) const {
    const PhotoMeshes& place = top ? topPhotos_ : bottomPhotos_;
    return place.meshes[place.last].get();
  }

 private:
  struct Shape {
    std::unique_ptr<Mesh> mesh;
    float easedProgress = 0.0f;
    int direction = 0;
    bool mirrored = false;
    bool uploaded = false;
    uint64_t lastUse = 0;
  };
  bool Holds(const Shape& shape) const;
  // Makes shape the current one and gives its mesh.
  const Mesh* Use(int shape);
  // Whether the shape's mesh holds the face's vertices as they are now.
  bool LiesAsNow(const Shape& shape) const;
  // Marks the shape as holding the face as it is now.
  void Tag(Shape& shape) const;
  bool Upload(GraphicsDevice& device, Shape& shape);
  const Mesh* UploadPhoto(GraphicsDevice& device, bool top);

  PageMesh page_;
  static constexpr int kShapes = 3;
  std::array<Shape, kShapes> shapes_;
  int current_ = 0;
  uint64_t uses_ = 0;  // Prepare calls, to find the shape used longest ago
  // The last two photo meshes of a place, and the one prepared last.
  struct PhotoMeshes {
    std::array<std::unique_ptr<Mesh>, 2> meshes;
    int last = 0;
  };
  PhotoMeshes topPhotos_;
  PhotoMeshes bottomPhotos_;
};
