#include "book/PageFace.h"

#include "book/BookLayout.h"
#include "book/DeviceGridMesh.h"

const Mesh* PageFace::Prepare(GraphicsDevice& device, float progress, int direction) {
  page_.Update(progress, direction);
  if (Holds(shapes_[current_])) return shapes_[current_].mesh.get();
  const int other = 1 - current_;
  // A shape reached another way (a page lying still while a turn goes one way or the other)
  // that lies exactly as one of the two keeps that one's upload and version.
  for (int k : {other, current_}) {
    if (Holds(shapes_[k]) || LiesAsNow(shapes_[k])) {
      current_ = k;
      Tag(shapes_[k]);
      return shapes_[k].mesh.get();
    }
  }
  current_ = other;
  return Upload(device, shapes_[current_]) ? shapes_[current_].mesh.get() : nullptr;
}

bool PageFace::Holds(const Shape& shape) const {
  return shape.uploaded && shape.easedProgress == page_.CachedProgress() &&
         shape.direction == page_.CachedDirection() && shape.mirrored == page_.Mirrored();
}

bool PageFace::LiesAsNow(const Shape& shape) const {
  return shape.uploaded && shape.mesh && MeshHoldsVertices(*shape.mesh, page_.Vertices());
}

void PageFace::Tag(Shape& shape) const {
  shape.easedProgress = page_.CachedProgress();
  shape.direction = page_.CachedDirection();
  shape.mirrored = page_.Mirrored();
}

bool PageFace::Upload(GraphicsDevice& device, Shape& shape) {
  shape.uploaded = false;
  if (!shape.mesh) {
    const std::optional<GridMesh> grid = CreateGridMesh(0.0f, 0.0f, 0.0f, kPageColumns, kPageRows);
    if (grid) shape.mesh = CreateDeviceMesh(device, *grid);
    if (!shape.mesh) return false;
  }
  if (!UploadSceneVertices(*shape.mesh, page_.Vertices())) return false;
  Tag(shape);
  shape.uploaded = true;
  return true;
}

const Mesh* PageFace::PreparePhoto(GraphicsDevice& device, bool top, int imageWidth, int imageHeight,
                                   PhotoRotation flags) {
  const std::optional<PhotoSlotRect> rect = BookLayout::PhotoSlotRect(imageWidth, imageHeight, flags, top);
  if (!rect) return nullptr;
  // The photo reads as in a left-to-right book whichever side the book is bound on.
  const int side = page_.ColumnsRunRight() ? 1 : 0;
  const int columns = rect->columnCount, rows = rect->rowCount;
  const auto uv = [=](int j, int i) { return BookLayout::PhotoUV(j, i, columns, rows, flags, side); };
  PhotoMesh& photo = top ? page_.TopPhoto() : page_.BottomPhoto();
  if (!photo.Build(page_.Vertices(), rect->firstColumn, rect->firstRow, columns, rows, flags, uv)) return nullptr;
  return UploadPhoto(device, top);
}

// The device mesh is made anew when the rectangle's triangles changed; equal vertex counts of
// another shape are not enough to keep it.
const Mesh* PageFace::UploadPhoto(GraphicsDevice& device, bool top) {
  const GridMesh& grid = *(top ? page_.TopPhoto() : page_.BottomPhoto()).Mesh();
  std::unique_ptr<Mesh>& mesh = top ? topPhoto_ : bottomPhoto_;
  if (mesh && mesh->indices() == grid.indices && UploadSceneVertices(*mesh, grid.vertices)) return mesh.get();
  mesh = CreateDeviceMesh(device, grid);
  return mesh.get();
}

void PageFace::ReleaseDeviceResources() {
  for (Shape& shape : shapes_) shape = {};
  topPhoto_.reset();
  bottomPhoto_.reset();
  page_.InvalidateCache();
}
