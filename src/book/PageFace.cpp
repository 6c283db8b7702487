#include "book/PageFace.h"

#include "book/BookLayout.h"
#include "book/DeviceGridMesh.h"

const Mesh* PageFace::Prepare(GraphicsDevice& device, float progress, int direction) {
  page_.Update(progress, direction);
  if (Holds(shapes_[current_])) return Use(current_);
  for (int k = 0; k < kShapes; ++k) {
    if (Holds(shapes_[k])) return Use(k);
  }
  // A shape reached another way (a page lying still while a turn goes one way or the other)
  // that lies exactly as one kept keeps that one's upload and version.
  for (int k = 0; k < kShapes; ++k) {
    if (LiesAsNow(shapes_[k])) {
      Tag(shapes_[k]);
      return Use(k);
    }
  }
  int oldest = 0;
  for (int k = 1; k < kShapes; ++k) {
    if (shapes_[k].lastUse < shapes_[oldest].lastUse) oldest = k;
  }
  Use(oldest);
  return Upload(device, shapes_[oldest]) ? shapes_[oldest].mesh.get() : nullptr;
}

const Mesh* PageFace::Use(int shape) {
  current_ = shape;
  shapes_[shape].lastUse = ++uses_;
  return shapes_[shape].mesh.get();
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

// A place shows two photos in turn when a still part is prepared ahead (the spread shown and the
// one a turn brings): each keeps a mesh of its own and with it its version. Otherwise the older
// mesh takes the new rectangle, made anew when its triangles changed; equal vertex counts of
// another shape are not enough to keep it.
const Mesh* PageFace::UploadPhoto(GraphicsDevice& device, bool top) {
  const GridMesh& grid = *(top ? page_.TopPhoto() : page_.BottomPhoto()).Mesh();
  PhotoMeshes& place = top ? topPhotos_ : bottomPhotos_;
  const auto holds = [&](const std::unique_ptr<Mesh>& mesh) {
    return mesh && mesh->indices() == grid.indices && MeshHoldsVertices(*mesh, grid.vertices);
  };
  for (int k : {place.last, 1 - place.last}) {
    if (holds(place.meshes[k])) {
      place.last = k;
      return place.meshes[k].get();
    }
  }
  place.last = 1 - place.last;
  std::unique_ptr<Mesh>& mesh = place.meshes[place.last];
  if (mesh && mesh->indices() == grid.indices && UploadSceneVertices(*mesh, grid.vertices)) return mesh.get();
  mesh = CreateDeviceMesh(device, grid);
  return mesh.get();
}

void PageFace::ReleaseDeviceResources() {
  for (Shape& shape : shapes_) shape = {};
  topPhotos_ = {};
  bottomPhotos_ = {};
  page_.InvalidateCache();
}
