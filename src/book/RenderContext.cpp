#include "book/RenderContext.h"

#include <array>
#include <utility>
#include <vector>

#include "book/EffectDrawer.h"

namespace {

using Cull = RenderStates::Cull;
using Blend = RenderStates::Blend;
using Compare = RenderStates::Compare;
using StencilOp = RenderStates::StencilOp;
using TextureOp = RenderStates::TextureOp;
using MaterialSource = RenderStates::MaterialSource;

void SetAlphaStates(RenderStates& states, float alpha) {
  states.alphaBlend = alpha != 1.0f;
  if (!states.alphaBlend) return;
  states.sourceBlend = Blend::SourceAlpha;
  states.destinationBlend = Blend::InverseSourceAlpha;
  // A see-through sheet shows both its sides.
  states.cull = Cull::None;
  states.alphaOp = TextureOp::SelectDiffuse;
}

std::array<ScreenVertex, 4> ViewportQuad(GraphicsDevice::Size size, uint32_t argb) {
  const float width = static_cast<float>(size.width);
  const float height = static_cast<float>(size.height);
  return {{{0.0f, 0.0f, 0.0f, 1.0f, argb},
           {width, 0.0f, 0.0f, 1.0f, argb},
           {0.0f, height, 0.0f, 1.0f, argb},
           {width, height, 0.0f, 1.0f, argb}}};
}

}  // namespace

void RenderContext::SetWorld(const glm::mat4& world) {
  world_ = world;
  if (device_ != nullptr) device_->SetWorld(world);
}

void RenderContext::SetView(const glm::mat4& view) {
  view_ = view;
  if (device_ != nullptr) device_->SetView(view);
}

void RenderContext::SetProjection(const glm::mat4& projection) {
  projection_ = projection;
  if (device_ != nullptr) device_->SetProjection(projection);
}

bool RenderContext::DrawMesh(const MeshDrawParams& params) {
  if (device_ == nullptr || params.mesh == nullptr) return false;
  if (recording_) {
    recording_->NoteDraw(params);
    return true;
  }
  RenderStates states = device_->renderStates();
  SetDrawStates(states, params);
  device_->SetRenderStates(states);
  device_->SetTexture(params.texture);
  device_->SetMaterial(DrawMaterial(params));
  if (params.useEffect && params.effect != nullptr)
    return params.effect->DrawWithEffect(*device_, *params.mesh, params);
  return device_->DrawMesh(*params.mesh);
}

void RenderContext::SetDrawStates(RenderStates& states, const MeshDrawParams& params) {
  states.cull = params.cull;
  states.lighting = params.lighting;
  states.diffuseSource = params.lighting ? MaterialSource::Material : MaterialSource::VertexColour;
  states.colourOp = params.texture != nullptr ? TextureOp::Modulate : TextureOp::SelectDiffuse;
  SetAlphaStates(states, params.colour.a);
  states.specular = params.shiny;
  if (params.shiny) states.specularSource = MaterialSource::Material;
  states.depthEnable = true;
  states.depthFunction = params.depthLessEqual ? Compare::LessEqual : Compare::Always;
  states.depthWrite = true;
}

Material RenderContext::DrawMaterial(const MeshDrawParams& params) {
  Material material;
  material.diffuse = params.colour;
  material.ambient = params.colour;
  material.specular = params.shiny ? glm::vec4(1.0f) : glm::vec4(0.0f);
  material.power = params.shiny ? kShinyPower : 0.0f;
  material.emissive = glm::vec4(0.0f);
  return material;
}

bool RenderContext::ClearStencil() {
  if (device_ == nullptr) return false;
  if (recording_) return Note(DrawRecord::Clear{GraphicsDevice::kClearStencil, 0});
  return device_->Clear(GraphicsDevice::kClearStencil, 0, 1.0f, 0);
}

bool RenderContext::ClearFrame(uint32_t argb) {
  const unsigned everything =
      GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth | GraphicsDevice::kClearStencil;
  if (device_ == nullptr) return false;
  if (recording_) return Note(DrawRecord::Clear{everything, argb});
  return device_->Clear(everything, argb, 1.0f, 0);
}

bool RenderContext::SetCoverage(uint8_t hiddenBy, uint8_t marks) {
  if (device_ == nullptr || (hiddenBy & marks) != 0) return false;
  // A recording asked the device once, when it began.
  if (!(recording_ ? recording_->start.stencil : device_->StencilAvailable())) return false;
  if (recording_) return Note(DrawRecord::Coverage{true, hiddenBy, marks});
  RenderStates states = device_->renderStates();
  states.stencilEnable = true;
  // Passes where (marks & hiddenBy), which is 0, equals the stored hiddenBy bits.
  states.stencilFunction = Compare::Equal;
  states.stencilReference = marks;
  states.stencilReadMask = hiddenBy;
  states.stencilWriteMask = marks;
  states.stencilFail = StencilOp::Keep;
  states.stencilDepthFail = StencilOp::Keep;
  states.stencilPass = StencilOp::Replace;
  device_->SetRenderStates(states);
  return true;
}

void RenderContext::EndCoverage() {
  if (device_ == nullptr) return;
  if (recording_) {
    Note(DrawRecord::Coverage{});
    return;
  }
  RenderStates states = device_->renderStates();
  states.stencilEnable = false;
  device_->SetRenderStates(states);
}

bool RenderContext::DrawShadowVolume(int triangleCount, std::span<const glm::vec3> positions) {
  if (device_ == nullptr || triangleCount < 1 || positions.empty()) return false;
  if (recording_)
    return Note(DrawRecord::ShadowVolume{triangleCount, std::vector<glm::vec3>(positions.begin(), positions.end())});
  SetShadowVolumeStates();
  RenderStates states = device_->renderStates();
  states.cull = Cull::Clockwise;
  states.stencilPass = StencilOp::Increment;
  device_->SetRenderStates(states);
  bool drawn = device_->DrawTriangles(positions, triangleCount);
  states.cull = Cull::CounterClockwise;
  states.stencilPass = StencilOp::Decrement;
  device_->SetRenderStates(states);
  drawn = device_->DrawTriangles(positions, triangleCount) && drawn;
  RestoreAfterShadowVolume();
  return drawn;
}

// The volume only counts into the stencil: depth is tested but never written, and the blend
// keeps every colour as it was.
void RenderContext::SetShadowVolumeStates() {
  RenderStates states = device_->renderStates();
  states.depthEnable = true;
  states.depthFunction = Compare::LessEqual;
  states.depthWrite = false;
  states.stencilEnable = true;
  states.stencilFunction = Compare::Always;
  states.stencilReference = 1;
  states.stencilReadMask = 0xFFFFFFFFu;
  states.stencilWriteMask = 0xFFFFFFFFu;
  states.stencilFail = StencilOp::Keep;
  states.stencilDepthFail = StencilOp::Keep;
  states.shade = RenderStates::Shade::Flat;
  states.alphaBlend = true;
  states.sourceBlend = Blend::Zero;
  states.destinationBlend = Blend::One;
  device_->SetRenderStates(states);
}

void RenderContext::RestoreAfterShadowVolume() {
  RenderStates states = device_->renderStates();
  states.shade = RenderStates::Shade::Gouraud;
  states.cull = Cull::CounterClockwise;
  states.depthWrite = true;
  states.stencilEnable = false;
  states.alphaBlend = false;
  device_->SetRenderStates(states);
}

bool RenderContext::DarkenShadowed(uint32_t argb) {
  if (device_ == nullptr) return false;
  if (recording_) return Note(DrawRecord::Darken{argb});
  SetDarkeningStates();
  device_->SetTexture(nullptr);
  const bool drawn = device_->DrawScreenQuad(ViewportQuad(device_->viewport(), argb));
  RenderStates states = device_->renderStates();
  states.stencilEnable = false;
  states.colourOp = TextureOp::Modulate;
  device_->SetRenderStates(states);
  return drawn;
}

void RenderContext::SetDarkeningStates() {
  RenderStates states = device_->renderStates();
  states.depthEnable = false;
  states.stencilEnable = true;
  states.stencilReference = 1;
  states.stencilFunction = Compare::LessEqual;
  states.stencilPass = StencilOp::Keep;
  states.alphaBlend = true;
  states.sourceBlend = Blend::SourceAlpha;
  states.destinationBlend = Blend::InverseSourceAlpha;
  states.colourOp = TextureOp::SelectDiffuse;
  states.alphaOp = TextureOp::SelectDiffuse;
  device_->SetRenderStates(states);
}

void RenderContext::BeginRecording() {
  recording_ = device_ != nullptr ? DrawRecord(*device_, world_, view_, projection_) : DrawRecord{};
}

DrawRecord RenderContext::EndRecording() {
  DrawRecord record = std::move(recording_).value_or(DrawRecord{});
  recording_.reset();
  return record;
}

bool RenderContext::Note(DrawRecord::Step step) {
  recording_->steps.push_back(std::move(step));
  return true;
}
