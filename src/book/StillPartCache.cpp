#include "book/StillPartCache.h"

#include <utility>

bool StillPartCache::Restore(GraphicsDevice& device, const DrawRecord& record) {
  if (!kept_ || &device != device_ || store_->lost() || record != *kept_) return false;
  if (!device.CopyDrawingFrom(*store_)) {
    kept_.reset();
    return false;
  }
  device.SetRenderStates(keptStates_);
  previousRestored_ = true;
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
