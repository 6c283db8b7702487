#include "platform/gfx/GLDevice.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <string>

#include "platform/gfx/EffectCompileFlags.h"
#include "platform/gfx/GLEffect.h"
#include "platform/gfx/GLEffectFrame.h"
#include "platform/gfx/GLErrors.h"
#include "platform/gfx/GLMesh.h"
#include "platform/gfx/GLRenderStates.h"
#include "platform/gfx/GLRenderTarget.h"
#include "platform/gfx/GLTexture.h"

namespace {

constexpr GLuint kPosition = 0, kNormal = 1, kDiffuse = 2, kUV = 3;

// The two variants that between them hold every line of the fixed-function shaders: built when
// the device is created, so that a driver that cannot compile them fails there with its log.
DeviceStatus BuildEveryStage(GLFixedFunctionPrograms& programs) {
  GLFixedFunctionVariant lit;
  lit.lighting = lit.pointLight = lit.specular = lit.textured = true;
  GLFixedFunctionVariant screen;
  screen.pretransformed = true;
  screen.flat = true;
  for (const GLFixedFunctionVariant& variant : {lit, screen})
    if (programs.Get(variant) == nullptr) return programs.lastFailure();
  return DeviceStatus::Success();
}

bool HasClipControl() { return epoxy_gl_version() >= 45 || epoxy_has_gl_extension("GL_ARB_clip_control"); }

const void* Offset(size_t bytes) { return reinterpret_cast<const void*>(bytes); }

// The framebuffer drawn into now: a target's, or the window's (Qt's own inside paintGL).
GLuint DrawnFramebuffer() {
  GLint framebuffer = 0;
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
  return static_cast<GLuint>(framebuffer);
}

GLuint NameOf(const Texture& texture) {
  if (const auto* plain = dynamic_cast<const GLTexture*>(&texture)) return plain->name();
  if (const auto* target = dynamic_cast<const GLRenderTarget*>(&texture)) return target->texture();
  return 0;
}

}  // namespace

GLDevice::GLDevice() {
  registry_.SetRemovalObserver([this](const DeviceResource* resource) {
    if (resource == texture_) texture_ = nullptr;
    if (resource == target_) SetRenderTarget(nullptr);
  });
}

GLDevice::~GLDevice() {
  SetRenderTarget(nullptr);
  registry_.LoseAll();
  DestroyObjects();
}

DeviceStatus GLDevice::Create() {
  DestroyObjects();
  clipControl_ = HasClipControl();
  programs_.Reset(!clipControl_);
  if (DeviceStatus status = BuildEveryStage(programs_); !status) return status;
  glGenVertexArrays(1, &vertexArray_);
  glGenBuffers(1, &streamBuffer_);
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize_);
  // Frames are compared and captured exactly; a dithering driver would add noise to them.
  glDisable(GL_DITHER);
  ready_ = vertexArray_ != 0 && streamBuffer_ != 0;
  return ready_ ? DeviceStatus::Success() : DeviceStatus::Failure("OpenGL device: no vertex array or buffer");
}

void GLDevice::DestroyObjects() {
  ready_ = false;
  // A program still in use is only marked for deletion: it and its shaders would outlive the loss.
  if (vertexArray_ != 0) glUseProgram(0);
  programs_.Clear();
  if (vertexArray_ != 0) glDeleteVertexArrays(1, &vertexArray_);
  if (streamBuffer_ != 0) glDeleteBuffers(1, &streamBuffer_);
  vertexArray_ = streamBuffer_ = 0;
}

void GLDevice::OnDeviceLost() {
  SetRenderTarget(nullptr);
  registry_.LoseAll();
  DestroyObjects();
}

DeviceStatus GLDevice::OnDeviceReset() {
  const int stale = registry_.LostCount();
  if (stale > 0)
    return DeviceStatus::Failure("Device reset: " + std::to_string(stale) +
                                 " resources from before the device loss are still alive");
  return Create();
}

void GLDevice::ApplyViewport() const { glViewport(0, 0, viewport_.width, viewport_.height); }

// OpenGL counts rows from the bottom of what it draws into, and a target holds its picture
// upside down (see SetFlipY), so only the window's rows are turned round.
int GLDevice::RowFromBottom(const Rect& area) const {
  return target_ != nullptr ? area.y : viewport_.height - area.y - area.height;
}

void GLDevice::ApplyScissor() const {
  if (!scissor_) {
    glDisable(GL_SCISSOR_TEST);
    return;
  }
  glEnable(GL_SCISSOR_TEST);
  glScissor(scissor_->x, RowFromBottom(*scissor_), scissor_->width, scissor_->height);
}

// Direct3D clears the viewport only and ignores the write masks; the next draw sets them again.
bool GLDevice::Clear(unsigned flags, uint32_t argb, float depth, uint8_t stencil) {
  if (!Usable()) return false;
  GLbitfield mask = 0;
  if (flags & kClearColour) mask |= GL_COLOR_BUFFER_BIT;
  if (flags & kClearDepth) mask |= GL_DEPTH_BUFFER_BIT;
  if (flags & kClearStencil) mask |= GL_STENCIL_BUFFER_BIT;
  glClearColor(((argb >> 16) & 0xFFu) / 255.0f, ((argb >> 8) & 0xFFu) / 255.0f, (argb & 0xFFu) / 255.0f,
               (argb >> 24) / 255.0f);
  glClearDepth(depth);
  glClearStencil(stencil);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDepthMask(GL_TRUE);
  glStencilMask(0xFFu);
  ApplyViewport();
  glEnable(GL_SCISSOR_TEST);
  if (scissor_)
    ApplyScissor();
  else
    glScissor(0, 0, viewport_.width, viewport_.height);
  glClear(mask);
  glDisable(GL_SCISSOR_TEST);
  MarkTargetDrawn();
  return true;
}

bool GLDevice::PrepareDraw(bool pretransformed) {
  const GLFixedFunctionVariant variant =
      GLFixedFunctionVariant::For(states_, pretransformed, light_.enabled, TextureUsable(texture_));
  GLFixedFunctionProgram* program = programs_.Get(variant);
  if (program == nullptr) return false;
  if (clipControl_) glClipControl(GL_LOWER_LEFT, GL_ZERO_TO_ONE);
  glProvokingVertex(GL_FIRST_VERTEX_CONVENTION);
  ApplyViewport();
  ApplyGLRenderStates(states_, target_ != nullptr);
  ApplyScissor();
  program->Use();
  program->SetTransforms(view_ * world_, projection_);
  program->SetViewport(glm::vec2(viewport_.width, viewport_.height));
  program->SetFlipY(target_ != nullptr);
  if (variant.lighting) SetLighting(*program);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, variant.textured ? NameOf(*texture_) : 0);
  glBindVertexArray(vertexArray_);
  MarkTargetDrawn();
  return true;
}

void GLDevice::MarkTargetDrawn() {
  if (target_ != nullptr) target_->MarkChanged();
}

// Lighting happens in view space.
void GLDevice::SetLighting(GLFixedFunctionProgram& program) const {
  PointLight viewLight = light_;
  viewLight.position = glm::vec3(view_ * glm::vec4(light_.position, 1.0f));
  program.SetLighting(states_, viewLight, material_);
}

bool GLDevice::TextureUsable(const Texture* texture) const {
  return texture != nullptr && !texture->lost() && texture->BelongsTo(registry_);
}

// Binds the array buffer's attributes: position always, the rest as a mesh vertex or constants.
void GLDevice::UseVertexLayout(bool meshVertex, int positionSize, int stride) {
  glVertexAttribPointer(kPosition, positionSize, GL_FLOAT, GL_FALSE, stride, Offset(0));
  glEnableVertexAttribArray(kPosition);
  for (GLuint attribute : {kNormal, kDiffuse, kUV}) glDisableVertexAttribArray(attribute);
  glVertexAttrib3f(kNormal, 0.0f, 0.0f, 0.0f);
  glVertexAttrib4f(kDiffuse, 1.0f, 1.0f, 1.0f, 1.0f);
  glVertexAttrib2f(kUV, 0.0f, 0.0f);
  if (!meshVertex) return;
  glVertexAttribPointer(kNormal, 3, GL_FLOAT, GL_FALSE, stride, Offset(offsetof(MeshVertex, normal)));
  // GL_BGRA as the size reads the bytes B, G, R, A of a little-endian ARGB word as r, g, b, a.
  glVertexAttribPointer(kDiffuse, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, Offset(offsetof(MeshVertex, diffuse)));
  glVertexAttribPointer(kUV, 2, GL_FLOAT, GL_FALSE, stride, Offset(offsetof(MeshVertex, u)));
  for (GLuint attribute : {kNormal, kDiffuse, kUV}) glEnableVertexAttribArray(attribute);
}

bool GLDevice::DrawMesh(const Mesh& mesh) {
  if (!Usable() || mesh.lost() || mesh.locked() || !mesh.BelongsTo(registry_)) return false;
  if (!PrepareDraw(false)) return false;
  BindMesh(mesh);
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(mesh.indices().size()), GL_UNSIGNED_SHORT, nullptr);
  return true;
}

void GLDevice::BindMesh(const Mesh& mesh) {
  const auto& glMesh = static_cast<const GLMesh&>(mesh);
  glBindBuffer(GL_ARRAY_BUFFER, glMesh.vertexBuffer());
  UseVertexLayout(true, 3, sizeof(MeshVertex));
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, glMesh.indexBuffer());
}

unsigned GLDevice::UsableTextureName(const Texture* texture) const {
  return TextureUsable(texture) ? NameOf(*texture) : 0;
}

// The raster states come from the device as for any draw; the effect's programs do the rest.
bool GLDevice::DrawMeshWithEffect(const Mesh& mesh, const Effect& effect, const EffectParameters& parameters) {
  if (!Usable() || mesh.lost() || mesh.locked() || !mesh.BelongsTo(registry_)) return false;
  if (effect.lost() || !effect.BelongsTo(registry_) || effect.PassCount() == 0) return false;
  if (!PrepareDraw(false)) return false;
  BindMesh(mesh);
  const GLEffectFrame frame{world_,
                            projection_ * view_,
                            !clipControl_,
                            target_ != nullptr,
                            {UsableTextureName(parameters.myTexture0), UsableTextureName(parameters.myTexture1)}};
  const auto& glEffect = static_cast<const GLEffect&>(effect);
  for (int pass = 0; pass < effect.PassCount(); ++pass) {
    glEffect.Pass(pass).Apply(parameters, frame);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(mesh.indices().size()), GL_UNSIGNED_SHORT, nullptr);
  }
  return true;
}

bool GLDevice::DrawTriangles(std::span<const glm::vec3> positions, int triangleCount) {
  if (!Usable() || triangleCount < 1 || positions.size() < 3 * static_cast<size_t>(triangleCount)) return false;
  if (!PrepareDraw(false)) return false;
  glBindBuffer(GL_ARRAY_BUFFER, streamBuffer_);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(3 * triangleCount * sizeof(glm::vec3)), positions.data(),
               GL_STREAM_DRAW);
  UseVertexLayout(false, 3, sizeof(glm::vec3));
  glDrawArrays(GL_TRIANGLES, 0, 3 * triangleCount);
  return true;
}

bool GLDevice::DrawScreenQuad(const std::array<ScreenVertex, 4>& quad) {
  if (!Usable()) return false;
  if (!PrepareDraw(true)) return false;
  glBindBuffer(GL_ARRAY_BUFFER, streamBuffer_);
  glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad.data(), GL_STREAM_DRAW);
  UseVertexLayout(false, 4, sizeof(ScreenVertex));
  glVertexAttribPointer(kDiffuse, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(ScreenVertex),
                        Offset(offsetof(ScreenVertex, diffuse)));
  glVertexAttribPointer(kUV, 2, GL_FLOAT, GL_FALSE, sizeof(ScreenVertex), Offset(offsetof(ScreenVertex, u)));
  glEnableVertexAttribArray(kDiffuse);
  glEnableVertexAttribArray(kUV);
  glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
  return true;
}

std::unique_ptr<Mesh> GLDevice::CreateMesh(std::vector<MeshVertex> vertices, std::vector<uint16_t> indices) {
  if (!Usable() || !Mesh::Valid(vertices, indices)) return nullptr;
  return GLMesh::Create(registry_, std::move(vertices), std::move(indices));
}

std::unique_ptr<Texture> GLDevice::CreateTexture(int width, int height, std::span<const std::vector<uint32_t>> levels) {
  if (!Usable() || !Texture::Valid(width, height, levels, maxTextureSize_)) return nullptr;
  return GLTexture::Create(registry_, width, height, levels);
}

std::unique_ptr<Effect> GLDevice::CreateEffect(const EffectSource& source, int compileFlags, std::string& messages) {
  if (!Usable()) return nullptr;
  const bool optimize = (compileFlags & kEffectCompileSkipOptimization) == 0;
  return GLEffect::Create(registry_, source, optimize, messages);
}

std::unique_ptr<RenderTarget> GLDevice::CreateRenderTarget(int width, int height) {
  if (!Usable() || width < 1 || height < 1 || width > maxTextureSize_ || height > maxTextureSize_) return nullptr;
  return GLRenderTarget::Create(registry_, width, height);
}

bool GLDevice::SetRenderTarget(RenderTarget* target) {
  if (target != nullptr && (!Usable() || target->lost() || !target->BelongsTo(registry_))) return false;
  if (target == target_) return true;
  if (target_ == nullptr) {
    screenFramebuffer_ = DrawnFramebuffer();
    screenViewport_ = viewport_;
  }
  const auto* glTarget = static_cast<const GLRenderTarget*>(target);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, glTarget != nullptr ? glTarget->framebuffer() : screenFramebuffer_);
  viewport_ = target != nullptr ? Size{target->width(), target->height()} : screenViewport_;
  target_ = target;
  return true;
}

// A multisampled picture would come back with one value in every sample, and its edges would
// change; OpenGL copies it without an error, so it is refused here.
bool GLDevice::StoreUsable(const RenderTarget& store) const {
  if (!Usable() || store.lost() || !store.BelongsTo(registry_) || &store == target_ ||
      store.width() != viewport_.width || store.height() != viewport_.height)
    return false;
  GLint sampleBuffers = 0;
  glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
  return sampleBuffers == 0;
}

bool GLDevice::CopyDrawingTo(RenderTarget& store) { return CopyDrawingAreaTo(store, WholeViewport()); }

bool GLDevice::CopyDrawingAreaTo(RenderTarget& store, const Rect& area) {
  if (!StoreUsable(store) ||
      !CopyFramebuffer(DrawnFramebuffer(), static_cast<const GLRenderTarget&>(store).framebuffer(), area))
    return false;
  store.MarkChanged();
  return true;
}

bool GLDevice::CopyDrawingFrom(const RenderTarget& store) { return CopyDrawingAreaFrom(store, WholeViewport()); }

bool GLDevice::CopyDrawingAreaFrom(const RenderTarget& store, const Rect& area) {
  if (!StoreUsable(store) ||
      !CopyFramebuffer(static_cast<const GLRenderTarget&>(store).framebuffer(), DrawnFramebuffer(), area))
    return false;
  MarkTargetDrawn();
  return true;
}

// Rows are copied as they lie, so a copy there and back is exact whichever way up each holds
// them. OpenGL refuses framebuffers whose depth or stencil formats cannot be copied between
// with an error and no copy. Leaves both framebuffer bindings as they were.
bool GLDevice::CopyFramebuffer(unsigned from, unsigned to, const Rect& area) const {
  GLint previousRead = 0;
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousRead);
  const GLuint previousDraw = DrawnFramebuffer();
  DiscardGLErrors();
  glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDepthMask(GL_TRUE);
  glStencilMask(0xFFu);
  const GLint x0 = area.x, y0 = RowFromBottom(area), x1 = x0 + area.width, y1 = y0 + area.height;
  glBlitFramebuffer(x0, y0, x1, y1, x0, y0, x1, y1, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT,
                    GL_NEAREST);
  const bool copied = glGetError() == GL_NO_ERROR;
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previousRead));
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, previousDraw);
  return copied;
}

bool GLDevice::StencilAvailable() const {
  // A context without a surface has no window framebuffer to ask about.
  if (glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;
  const GLenum attachment = DrawnFramebuffer() == 0 ? GL_STENCIL : GL_STENCIL_ATTACHMENT;
  GLint type = GL_NONE;
  glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &type);
  if (type == GL_NONE) return false;
  GLint bits = 0;
  glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment, GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE, &bits);
  return bits > 0;
}

void GLDevice::Finish() {
  if (Usable()) glFinish();
}

bool GLDevice::ReadWindow(int width, int height, std::vector<uint32_t>& texels) {
  if (!Usable() || target_ != nullptr || width <= 0 || height <= 0 || width > viewport_.width ||
      height > viewport_.height)
    return false;
  GLint previous = 0;
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previous);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, DrawnFramebuffer());
  const size_t rowTexels = static_cast<size_t>(width);
  texels.resize(rowTexels * static_cast<size_t>(height));
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  // The window's rows come bottom row first; the top-left corner is viewport height - height.
  glReadPixels(0, viewport_.height - height, width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, texels.data());
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previous));
  for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(texels.begin() + top * width, texels.begin() + (top + 1) * width, texels.begin() + bottom * width);
  return true;
}

bool GLDevice::ReadRenderTarget(const RenderTarget& target, std::vector<uint32_t>& texels) {
  if (!Usable() || target.lost() || !target.BelongsTo(registry_)) return false;
  GLint previous = 0;
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previous);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<const GLRenderTarget&>(target).framebuffer());
  texels.resize(static_cast<size_t>(target.width()) * target.height());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glReadPixels(0, 0, target.width(), target.height(), GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, texels.data());
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previous));
  return true;
}
