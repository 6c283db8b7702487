#pragma once

#include <array>
#include <functional>
#include <string>

#include "app/SurfaceTexture.h"
#include "book/PhotoLoader.h"
#include "book/PhotoTexture.h"
#include "book/SceneTextures.h"
#include "book/TextureWindow.h"
#include "platform/sys/WorkerPool.h"

class GraphicsDevice;
class PhotoList;

// Every texture the book is drawn with: the twelve photo slots of the texture window and the
// four surface textures. Owns them; their paths survive a device loss, so everything can be
// loaded again after a reset. Photos are decoded on worker threads of its own, surfaces on the
// calling thread. User-interface thread only.
class BookTextures {
 public:
  // quality gives the Quality setting and upright whether pictures are turned upright as their
  // files record, at each load; both must stay callable as long as this lives.
  BookTextures(PhotoTexture::QualitySource quality, PhotoTexture::UprightSource upright);
  BookTextures(const BookTextures&) = delete;
  BookTextures& operator=(const BookTextures&) = delete;

  // For later loads; nullptr when the device is gone.
  void SetDevice(GraphicsDevice* device);

  TextureWindow& window() { return window_; }
  const TextureWindow& window() const { return window_; }
  PhotoTexture& Slot(int slot) { return slots_[slot]; }
  PhotoTexture& Surface(SurfaceTexture surface) { return surfaces_[static_cast<int>(surface)]; }

  // Empties the surface and loads path into it; an empty path leaves it empty for good.
  void SetSurfacePath(SurfaceTexture surface, const std::u16string& path);
  // Loads the four surface textures from their kept paths (after a device reset).
  void ReloadSurfaces();
  // Releases every texture, keeping paths and photo indices.
  void ReleaseAll();
  // Makes every picture again: the surfaces at once, the photos one per fill of the window.
  void ReloadAll();

  // Waits until every photo asked for is decoded, so that the next fill finds it; for tests and
  // benchmarks that step frames by hand.
  void FinishDecoding() { pool_.Drain(); }

  // The textures of one frame, with each photo's display flags from photos.
  SceneTextures Gather(const PhotoList& photos) const;
  // One line per slot: its number in two digits, a tab and its description; an empty line after
  // every four slots.
  std::u16string SlotReport() const;

 private:
  // Declared first, so that the window and the loader are gone before the threads are joined.
  WorkerPool pool_{WorkerPool::DefaultThreadCount()};
  PhotoLoader loader_;
  std::array<PhotoTexture, TextureWindow::kSlotCount> slots_;
  std::array<PhotoTexture, kSurfaceTextureCount> surfaces_;
  TextureWindow window_;
};
