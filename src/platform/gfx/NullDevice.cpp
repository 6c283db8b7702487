#include "platform/gfx/NullDevice.h"

#include <algorithm>
#include <string>

#include "platform/gfx/NullEffect.h"
#include "platform/gfx/NullMesh.h"
#include "platform/gfx/NullRenderTarget.h"
#include "platform/gfx/NullTexture.h"

NullDevice::NullDevice() : NullDevice(kDefaultMaxTextureSize) {}

NullDevice::NullDevice(int maxTextureSize) : maxTextureSize_(maxTextureSize) {
  registry_.SetRemovalObserver([this](const DeviceResource* resource) {
    if (resource == texture_) texture_ = nullptr;
    if (resource == target_) SetRenderTarget(nullptr);
  });
}

bool NullDevice::Clear(unsigned flags, uint32_t argb, float depth, uint8_t stencil) {
  if (lost_) return false;
  ++log_.clears;
  log_.lastClearFlags = flags;
  log_.lastClearColour = argb;
  log_.lastClearDepth = depth;
  log_.lastClearStencil = stencil;
  MarkTargetDrawn();
  if (target_ != nullptr && (flags & kClearColour) != 0) {
    auto& texels = static_cast<NullRenderTarget*>(target_)->texels();
    std::fill(texels.begin(), texels.end(), argb);
  }
  return true;
}

bool NullDevice::DrawMesh(const Mesh& mesh) {
  if (lost_ || mesh.lost() || mesh.locked() || !mesh.BelongsTo(registry_)) return false;
  ++log_.meshDraws;
  log_.lastMesh = &mesh;
  RecordDraw();
  return true;
}

bool NullDevice::DrawTriangles(std::span<const glm::vec3> positions, int triangleCount) {
  if (lost_ || triangleCount < 1 || positions.size() < 3 * static_cast<size_t>(triangleCount)) return false;
  ++log_.triangleDraws;
  log_.lastTriangleCount = triangleCount;
  RecordDraw();
  return true;
}

bool NullDevice::DrawScreenQuad(const std::array<ScreenVertex, 4>& quad) {
  if (lost_) return false;
  ++log_.quadDraws;
  log_.lastQuad = quad;
  RecordDraw();
  return true;
}

bool NullDevice::DrawMeshWithEffect(const Mesh& mesh, const Effect& effect, const EffectParameters& parameters) {
  if (lost_ || mesh.lost() || mesh.locked() || !mesh.BelongsTo(registry_)) return false;
  if (effect.lost() || !effect.BelongsTo(registry_) || effect.PassCount() == 0) return false;
  ++log_.effectDraws;
  log_.effectPasses += effect.PassCount();
  log_.lastEffect = &effect;
  log_.lastEffectParameters = parameters;
  RecordDraw();
  return true;
}

void NullDevice::RecordDraw() {
  MarkTargetDrawn();
  log_.lastDrawStates = states_;
  const bool usable = texture_ != nullptr && !texture_->lost() && texture_->BelongsTo(registry_);
  log_.lastDrawTexture = usable ? texture_ : nullptr;
  log_.lastDrawScissor = scissor_;
}

std::unique_ptr<Mesh> NullDevice::CreateMesh(std::vector<MeshVertex> vertices, std::vector<uint16_t> indices) {
  if (lost_ || !Mesh::Valid(vertices, indices)) return nullptr;
  return std::make_unique<NullMesh>(registry_, std::move(vertices), std::move(indices));
}

std::unique_ptr<Texture> NullDevice::CreateTexture(int width, int height,
                                                   std::span<const std::vector<uint32_t>> levels) {
  if (lost_ || !Texture::Valid(width, height, levels, maxTextureSize_)) return nullptr;
  return std::make_unique<NullTexture>(registry_, width, height, levels);
}

std::unique_ptr<Effect> NullDevice::CreateEffect(const EffectSource& source, int compileFlags, std::string&) {
  if (lost_) return nullptr;
  return std::make_unique<NullEffect>(registry_, source, compileFlags);
}

void NullDevice::OnDeviceLost() {
  lost_ = true;
  registry_.LoseAll();
}

DeviceStatus NullDevice::OnDeviceReset() {
  const int stale = registry_.LostCount();
  if (stale > 0)
    return DeviceStatus::Failure("Device reset: " + std::to_string(stale) +
                                 " resources from before the device loss are still alive");
  lost_ = false;
  return DeviceStatus::Success();
}

std::unique_ptr<RenderTarget> NullDevice::CreateRenderTarget(int width, int height) {
  if (lost_ || width < 1 || height < 1 || width > maxTextureSize_ || height > maxTextureSize_) return nullptr;
  return std::make_unique<NullRenderTarget>(registry_, width, height);
}

bool NullDevice::SetRenderTarget(RenderTarget* target) {
  if (target != nullptr && (lost_ || target->lost() || !target->BelongsTo(registry_))) return false;
  if (target == target_) return true;
  if (target_ == nullptr) screenViewport_ = viewport_;
  viewport_ = target != nullptr ? Size{target->width(), target->height()} : screenViewport_;
  target_ = target;
  return true;
}

void NullDevice::MarkTargetDrawn() {
  if (target_ != nullptr) target_->MarkChanged();
}

bool NullDevice::CanCopyDrawing(const RenderTarget& store) const {
  return drawingCopiesWork_ && !lost_ && !store.lost() && store.BelongsTo(registry_) && &store != target_ &&
         store.width() == viewport_.width && store.height() == viewport_.height;
}

bool NullDevice::CopyDrawingTo(RenderTarget& store) {
  if (!CanCopyDrawing(store)) return false;
  if (target_ != nullptr)
    static_cast<NullRenderTarget&>(store).texels() = static_cast<const NullRenderTarget*>(target_)->texels();
  store.MarkChanged();
  ++log_.drawingCopiesTo;
  return true;
}

void NullDevice::CopyArea(const std::vector<uint32_t>& from, std::vector<uint32_t>& to, const Rect& area) const {
  for (int y = area.y; y < area.y + area.height; ++y) {
    const size_t row = static_cast<size_t>(y) * viewport_.width + area.x;
    std::copy(from.begin() + row, from.begin() + row + area.width, to.begin() + row);
  }
}

bool NullDevice::CopyDrawingAreaTo(RenderTarget& store, const Rect& area) {
  if (!CanCopyDrawing(store)) return false;
  if (target_ != nullptr)
    CopyArea(static_cast<const NullRenderTarget*>(target_)->texels(), static_cast<NullRenderTarget&>(store).texels(),
             area);
  store.MarkChanged();
  ++log_.drawingCopiesTo;
  return true;
}

bool NullDevice::CopyDrawingAreaFrom(const RenderTarget& store, const Rect& area) {
  if (!CanCopyDrawing(store)) return false;
  if (target_ != nullptr) {
    CopyArea(static_cast<const NullRenderTarget&>(store).texels(), static_cast<NullRenderTarget*>(target_)->texels(),
             area);
    MarkTargetDrawn();
  }
  ++log_.drawingCopiesFrom;
  return true;
}

bool NullDevice::CopyDrawingFrom(const RenderTarget& store) {
  if (!CanCopyDrawing(store)) return false;
  if (target_ != nullptr) {
    static_cast<NullRenderTarget*>(target_)->texels() = static_cast<const NullRenderTarget&>(store).texels();
    MarkTargetDrawn();
  }
  ++log_.drawingCopiesFrom;
  return true;
}

bool NullDevice::ReadWindow(int width, int height, std::vector<uint32_t>& texels) {
  if (lost_ || target_ != nullptr || width <= 0 || height <= 0 || width > viewport_.width || height > viewport_.height)
    return false;
  texels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0u);
  return true;
}

bool NullDevice::ReadRenderTarget(const RenderTarget& target, std::vector<uint32_t>& texels) {
  if (lost_ || target.lost() || !target.BelongsTo(registry_)) return false;
  texels = static_cast<const NullRenderTarget&>(target).texels();
  return true;
}
