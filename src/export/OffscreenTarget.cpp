#include "export/OffscreenTarget.h"

#include <array>
#include <string>

#include "platform/gfx/GraphicsDevice.h"
#include "platform/sys/DebugOutput.h"
#include "platform/sys/StringConvert.h"

namespace {

void ReportNewTarget(const OffscreenTargetSize& size) {
  DebugOutput(u"New Texture RenderTarget: " + DecimalText(size.width) + u" x " + DecimalText(size.height) +
              u" pixels, antialiasing factor: " + DecimalText(size.factor) + u"\n");
}

RenderStates WindowQuadStates(RenderStates states) {
  states.cull = RenderStates::Cull::None;
  states.fill = RenderStates::Fill::Solid;
  states.lighting = false;
  states.alphaBlend = false;
  states.depthEnable = false;
  states.depthWrite = false;
  states.stencilEnable = false;
  states.colourOp = RenderStates::TextureOp::Modulate;
  states.alphaOp = RenderStates::TextureOp::SelectTexture;
  return states;
}

// Vertex order of the strip: top left, top right, bottom left, bottom right.
std::array<ScreenVertex, 4> WindowQuad(GraphicsDevice::Size size) {
  const auto width = static_cast<float>(size.width);
  const auto height = static_cast<float>(size.height);
  constexpr uint32_t kWhite = 0xFFFFFFFFu;
  return {{{0, 0, 0, 1, kWhite, 0, 0},
           {width, 0, 0, 1, kWhite, 1, 0},
           {0, height, 0, 1, kWhite, 0, 1},
           {width, height, 0, 1, kWhite, 1, 1}}};
}

}  // namespace

OffscreenTarget::~OffscreenTarget() { Release(); }

bool OffscreenTarget::Create(GraphicsDevice& device, int32_t movieWidth, int32_t movieHeight, int32_t quality) {
  Release();
  restoreSize_ = {};
  const TextureCaps caps{device.MaxTextureSize(), powerOfTwoOnly_};
  for (const OffscreenTargetSize& size : OffscreenTargetCandidates(movieWidth, movieHeight, quality, caps))
    if (Build(device, size)) return true;
  return false;
}

// One attempt: what it makes is freed again unless the whole target comes together.
bool OffscreenTarget::Build(GraphicsDevice& device, const OffscreenTargetSize& size) {
  std::unique_ptr<RenderTarget> target = device.CreateRenderTarget(size.width, size.height);
  if (!target || target->width() != size.width || target->height() != size.height) return false;
  if (!copy_.Allocate(size.width, size.height)) return false;
  device_ = &device;
  target_ = std::move(target);
  size_ = restoreSize_ = size;
  ReportNewTarget(size);
  return true;
}

// The device itself forgets a deleted target, so this never calls a device that may be gone.
void OffscreenTarget::Release() {
  target_.reset();
  copy_.Release();
  device_ = nullptr;
  size_ = {};
}

bool OffscreenTarget::Restore(GraphicsDevice& device) {
  if (restoreSize_.factor == 0) return true;
  const OffscreenTargetSize size = restoreSize_;
  Release();
  return Build(device, size);
}

bool OffscreenTarget::Valid() const { return target_ && !target_->lost() && copy_.Allocated(); }

bool OffscreenTarget::BoundHere() const {
  return device_ != nullptr && target_ && device_->renderTarget() == target_.get();
}

bool OffscreenTarget::BeginOffscreenScene() {
  if (!Valid() || !device_->SetRenderTarget(target_.get())) return false;
  device_->SetViewport({size_.width, size_.height});
  return true;
}

bool OffscreenTarget::EndOffscreenScene() {
  if (!BoundHere()) return false;
  return device_->SetRenderTarget(nullptr);
}

bool OffscreenTarget::DrawToWindow() {
  if (!Valid() || BoundHere()) return false;
  const RenderStates saved = device_->renderStates();
  device_->SetRenderStates(WindowQuadStates(saved));
  device_->SetTexture(target_.get());
  const bool drawn = device_->DrawScreenQuad(WindowQuad(device_->viewport()));
  device_->SetTexture(nullptr);
  device_->SetRenderStates(saved);
  return drawn;
}

bool OffscreenTarget::CopyToSystemMemory() { return Valid() && copy_.Fill(*device_, *target_); }
