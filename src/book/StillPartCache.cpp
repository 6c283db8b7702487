#include "book/StillPartCache.h"

#include <algorithm>
#include <utility>

bool StillPartCache::Restore(GraphicsDevice& device, const DrawRecord& record) {
  if (!Usable(device) || record != *kept_) return RestoreAhead(device, record);
  if (!CopyIn(device)) return false;
  previousRestored_ = true;
  return true;
}

// From the kept picture, or from the part prepared ahead when less differs from that one (a photo
// arrived in the frame the prepared part was made for).
std::optional<GraphicsDevice::Rect> StillPartCache::RestoreAllBut(GraphicsDevice& device, const DrawRecord& record) {
  if (!Usable(device)) return std::nullopt;
  if (std::optional<GraphicsDevice::Rect> left = RestorePartlyAhead(device, record)) return left;
  const std::optional<GraphicsDevice::Rect> area = record.AreaChangedFrom(*kept_);
  const std::optional<GraphicsDevice::Rect> areaFromAhead =
      ahead_.ready && !ahead_.store->lost() ? record.AreaChangedFrom(*ahead_.record) : std::nullopt;
  if (areaFromAhead && (!area || Pixels(*areaFromAhead) < Pixels(*area)) &&
      !MostOfTheFrame(*areaFromAhead, record.start.viewport)) {
    const bool copied = CopyInWithAhead(device, ahead_.area);
    const RenderStates states = ahead_.states;
    DropAhead();
    if (!copied) return std::nullopt;
    device.SetRenderStates(states);
    return areaFromAhead;
  }
  if (!area || MostOfTheFrame(*area, record.start.viewport) || !CopyIn(device)) return std::nullopt;
  return area;
}

std::optional<GraphicsDevice::Rect> StillPartCache::AheadBand(GraphicsDevice& device, const DrawRecord& expected,
                                                              double share) {
  if (!Usable(device)) return std::nullopt;
  if ((!ahead_.record || *ahead_.record != expected) && !StartAhead(device, expected)) return std::nullopt;
  if (ahead_.ready || ahead_.refused) return std::nullopt;
  const GraphicsDevice::Size frame = expected.start.viewport;
  const double bandPixels = share * frame.width * frame.height;
  const int rows = std::max(1, static_cast<int>(bandPixels / ahead_.area.width));
  const int bottom = ahead_.area.y + ahead_.area.height;
  ahead_.band = {ahead_.area.x, ahead_.nextRow, ahead_.area.width, std::min(rows, bottom - ahead_.nextRow)};
  return ahead_.band;
}

void StillPartCache::KeepAheadBand(GraphicsDevice& device) {
  if (!ahead_.record || ahead_.ready || ahead_.refused) return;
  if (!device.CopyDrawingAreaTo(*ahead_.store, ahead_.band)) {
    ahead_.refused = true;
    return;
  }
  ahead_.nextRow += ahead_.band.height;
  if (ahead_.nextRow < ahead_.area.y + ahead_.area.height) return;
  ahead_.ready = true;
  ahead_.states = device.renderStates();
}

// Only where the expected part differs from the kept picture is drawn and kept; the rest is the
// kept picture's.
bool StillPartCache::StartAhead(GraphicsDevice& device, const DrawRecord& expected) {
  DropAhead();
  const std::optional<GraphicsDevice::Rect> area = expected.AreaChangedFrom(*kept_);
  const GraphicsDevice::Size size = expected.start.viewport;
  if (!area || area->width <= 0 || area->height <= 0 || MostOfTheFrame(*area, size)) return false;
  if (ahead_.store && (ahead_.store->lost() || ahead_.store->width() != size.width ||
                       ahead_.store->height() != size.height))
    ahead_.store.reset();
  if (!ahead_.store) ahead_.store = device.CreateRenderTarget(size.width, size.height);
  ahead_.record = expected;
  ahead_.area = *area;
  ahead_.nextRow = area->y;
  ahead_.refused = ahead_.store == nullptr;
  return true;
}

// The kept picture with the prepared area over it, which the store then takes over as well.
bool StillPartCache::RestoreAhead(GraphicsDevice& device, const DrawRecord& record) {
  if (!ahead_.ready || *ahead_.record != record || !Usable(device) || ahead_.store->lost()) return false;
  const RenderStates states = ahead_.states;
  const GraphicsDevice::Rect area = ahead_.area;
  std::optional<DrawRecord> prepared = std::move(ahead_.record);
  DropAhead();
  if (!CopyInWithAhead(device, area)) {
    kept_.reset();
    return false;
  }
  kept_.reset();
  if (device.CopyDrawingAreaTo(*store_, area)) {
    kept_ = std::move(prepared);
    keptStates_ = states;
  }
  device.SetRenderStates(states);
  previousRestored_ = true;
  return true;
}

// The frame a part was being prepared for came before its last band (a page key pressed soon
// after a photo arrived): the bands drawn are copied in, and only the rows below them are left.
std::optional<GraphicsDevice::Rect> StillPartCache::RestorePartlyAhead(GraphicsDevice& device,
                                                                       const DrawRecord& record) {
  if (!ahead_.record || ahead_.ready || ahead_.refused || ahead_.nextRow <= ahead_.area.y || *ahead_.record != record ||
      ahead_.store->lost())
    return std::nullopt;
  const GraphicsDevice::Rect& area = ahead_.area;
  const GraphicsDevice::Rect drawn{area.x, area.y, area.width, ahead_.nextRow - area.y};
  const GraphicsDevice::Rect left{area.x, ahead_.nextRow, area.width, area.y + area.height - ahead_.nextRow};
  DropAhead();
  if (!CopyInWithAhead(device, drawn)) return std::nullopt;
  device.SetRenderStates(keptStates_);
  return left;
}

// The kept picture with rows of the part prepared ahead over it.
bool StillPartCache::CopyInWithAhead(GraphicsDevice& device, const GraphicsDevice::Rect& rows) {
  return device.CopyDrawingFrom(*store_) && device.CopyDrawingAreaFrom(*ahead_.store, rows);
}

void StillPartCache::DropAhead() {
  ahead_.record.reset();
  ahead_.ready = false;
  ahead_.refused = false;
}

bool StillPartCache::Holds(const GraphicsDevice& device, const DrawRecord& record) const {
  return Usable(device) && record == *kept_;
}

bool StillPartCache::Usable(const GraphicsDevice& device) const {
  return kept_ && &device == device_ && !store_->lost();
}

double StillPartCache::Pixels(const GraphicsDevice::Rect& area) {
  return static_cast<double>(area.width) * area.height;
}

bool StillPartCache::MostOfTheFrame(const GraphicsDevice::Rect& area, GraphicsDevice::Size frame) const {
  return Pixels(area) > kMostOfTheFrame * frame.width * frame.height;
}

bool StillPartCache::CopyIn(GraphicsDevice& device) {
  if (!device.CopyDrawingFrom(*store_)) {
    kept_.reset();
    DropAhead();
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
  // Whatever the store held is given up from here on, and what was prepared from it.
  kept_.reset();
  DropAhead();
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
  ahead_ = {};
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
