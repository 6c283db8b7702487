#include "book/StillPartCache.h"

#include <utility>

bool StillPartCache::Restore(GraphicsDevice& device, const DrawRecord& record) {
  if (!kept_ || &device != device_ || store_->lost() || record != *kept_ || !CopyIn(device)) return false;
  previousRestored_ = true;
  return true;
}

std::optional<GraphicsDevice::Rect> StillPartCache::RestoreAllBut(GraphicsDevice& device, const DrawRecord& record) {
  if (!kept_ || &device != device_ || store_->lost()) return std::nullopt;
  const std::optional<GraphicsDevice::Rect> area = record.AreaChangedFrom(*kept_);
  if (!area) return std::nullopt;
  const GraphicsDevice::Size frame = record.start.viewport;
  const double areaPixels = static_cast<double>(area->width) * area->height;
  if (areaPixels > kMostOfTheFrame * frame.width * frame.height || !CopyIn(device)) return std::nullopt;
  return area;
}

bool StillPartCache::CopyIn(GraphicsDevice& device) {
  if (!device.CopyDrawingFrom(*store_)) {
    kept_.reset();
    return false;
  }
  device.SetRenderStates(keptStates_);
  return true;
}

void StillPartCache::Keep(GraphicsDevice& device, DrawRecord record, bool staysStill) {
  const bool repeated = record == previous_;
  if (!repeated) previousRefused_ = false;
  const bool worthKeeping = record.reusable && (repeated || staysStill || previousRestored_);
  previousRestored_ = false;
  previous_ = std::move(record);
  if (!worthKeeping) return;
  const GraphicsDevice::Size size = previous_.start.viewport;
  if (previousRefused_ || int64_t{size.width} * size.height > kMaxPixels) return;
  // Whatever the store held is given up from here on.
  kept_.reset();
  if (!EnsureStore(device, size)) return;
  if (!device.CopyDrawingTo(*store_)) {
    previousRefused_ = true;
    return;
  }
  kept_ = previous_;
  keptStates_ = device.renderStates();
}

void StillPartCache::Release() {
  kept_.reset();
  store_.reset();
  device_ = nullptr;
  previous_ = DrawRecord{};
  previousRefused_ = false;
  previousRestored_ = false;
}

bool StillPartCache::EnsureStore(GraphicsDevice& device, GraphicsDevice::Size size) {
  if (store_ && (&device != device_ || store_->lost() || store_->width() != size.width ||
                 store_->height() != size.height))
    store_.reset();
  device_ = &device;
  if (!store_) store_ = device.CreateRenderTarget(size.width, size.height);
  return store_ != nullptr;
}
