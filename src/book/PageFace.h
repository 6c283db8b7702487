#pragma once

#include <memory>

#include "book/PageMesh.h"
#include "platform/gfx/GraphicsDevice.h"
#include "settings/PhotoRotation.h"

// A page face with its device copies: the face's grid mesh, refreshed only when its shape
// changed, and the meshes of its two photos, rebuilt at every draw from the face's current
// vertices. Owns the device meshes; they must be released (ReleaseDeviceResources) before the
// device is reset or destroyed. User-interface thread only.
class PageFace {
 public:
  PageFace(bool side, bool transparent) : page_(side, transparent) {}

  // Eases progress, creates the grid mesh on first use and reshapes and uploads the face when the
  // eased progress or the direction changed. nullptr when the mesh cannot be created.
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
  const Mesh* mesh() const { return mesh_.get(); }
  // The device mesh of the top or bottom photo as last prepared, nullptr before.
  const Mesh* photoMesh(bool top) const { return (top ? topPhoto_ : bottomPhoto_).get(); }

 private:
  bool EnsureMesh(GraphicsDevice& device);
  const Mesh* UploadPhoto(GraphicsDevice& device, bool top);

  PageMesh page_;
  std::unique_ptr<Mesh> mesh_;
  std::unique_ptr<Mesh> topPhoto_;
  std::unique_ptr<Mesh> bottomPhoto_;
};
