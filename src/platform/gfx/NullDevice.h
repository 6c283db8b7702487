#pragma once

#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/NullDeviceLog.h"
#include "platform/gfx/ResourceRegistry.h"

// A device with no context at all: it records states, transforms and draws (see log()) and
// creates NullMesh and NullTexture resources, so resource lifetimes, device loss and the logic
// above the device can be tested without OpenGL. User-interface thread only.
class NullDevice : public GraphicsDevice {
 public:
  static constexpr int kDefaultMaxTextureSize = 16384;

  NullDevice();
  explicit NullDevice(int maxTextureSize);

  void SetRenderStates(const RenderStates& states) override { states_ = states; }
  const RenderStates& renderStates() const override { return states_; }
  void SetWorld(const glm::mat4& world) override { world_ = world; }
  void SetView(const glm::mat4& view) override { view_ = view; }
  void SetProjection(const glm::mat4& projection) override { projection_ = projection; }
  void SetLight(const PointLight& light) override { light_ = light; }
  const PointLight& light() const override { return light_; }
  void SetMaterial(const Material& material) override { material_ = material; }
  void SetTexture(const Texture* texture) override { texture_ = texture; }
  void SetViewport(Size size) override { viewport_ = size; }
  Size viewport() const override { return viewport_; }
  void SetScissor(const std::optional<Rect>& rect) override { scissor_ = rect; }

  bool Clear(unsigned flags, uint32_t argb, float depth, uint8_t stencil) override;
  bool DrawMesh(const Mesh& mesh) override;
  bool DrawTriangles(std::span<const glm::vec3> positions, int triangleCount) override;
  bool DrawScreenQuad(const std::array<ScreenVertex, 4>& quad) override;
  // Counts one effect draw and the passes it would make.
  bool DrawMeshWithEffect(const Mesh& mesh, const Effect& effect, const EffectParameters& parameters) override;

  std::unique_ptr<Mesh> CreateMesh(std::vector<MeshVertex> vertices, std::vector<uint16_t> indices) override;
  std::unique_ptr<Texture> CreateTexture(int width, int height, std::span<const std::vector<uint32_t>> levels) override;
  int MaxTextureSize() const override { return maxTextureSize_; }
  // Compiles nothing: every parsed source makes a NullEffect.
  std::unique_ptr<Effect> CreateEffect(const EffectSource& source, int compileFlags, std::string& messages) override;
  // A clear of colour fills the texels of the current target with the clear colour.
  std::unique_ptr<RenderTarget> CreateRenderTarget(int width, int height) override;
  bool SetRenderTarget(RenderTarget* target) override;
  RenderTarget* renderTarget() const override { return target_; }
  // True unless a test says otherwise.
  bool StencilAvailable() const override { return stencilAvailable_; }
  void SetStencilAvailable(bool available) { stencilAvailable_ = available; }
  // Copies texels between targets; the window has none to copy. Counted in the log.
  bool CopyDrawingTo(RenderTarget& store) override;
  bool CopyDrawingAreaTo(RenderTarget& store, const Rect& area) override;
  bool CopyDrawingAreaFrom(const RenderTarget& store, const Rect& area) override;
  bool CopyDrawingFrom(const RenderTarget& store) override;
  // True unless a test says otherwise.
  void SetDrawingCopiesWork(bool work) { drawingCopiesWork_ = work; }
  bool ReadRenderTarget(const RenderTarget& target, std::vector<uint32_t>& texels) override;
  bool ReadWindow(int width, int height, std::vector<uint32_t>& texels) override;
  void Finish() override { ++log_.finishes; }

  void OnDeviceLost() override;
  DeviceStatus OnDeviceReset() override;
  bool lost() const override { return lost_; }

  const glm::mat4& world() const { return world_; }
  const glm::mat4& view() const { return view_; }
  const glm::mat4& projection() const { return projection_; }
  const Material& material() const { return material_; }
  // The texture of stage 0 as the device sees it: nullptr once that texture is deleted.
  const Texture* texture() const { return texture_; }
  const NullDeviceLog& log() const { return log_; }
  // Resources alive (lost or not), and of them those lost.
  int LiveResources() const { return registry_.Count(); }
  int LostResources() const { return registry_.LostCount(); }

 private:
  void RecordDraw();
  bool CanCopyDrawing(const RenderTarget& store) const;
  void CopyArea(const std::vector<uint32_t>& from, std::vector<uint32_t>& to, const Rect& area) const;
  void MarkTargetDrawn();

  ResourceRegistry registry_;
  int maxTextureSize_;
  bool lost_ = false;
  RenderStates states_;
  glm::mat4 world_{1.0f};
  glm::mat4 view_{1.0f};
  glm::mat4 projection_{1.0f};
  PointLight light_;
  Material material_;
  const Texture* texture_ = nullptr;
  Size viewport_;
  std::optional<Rect> scissor_;
  RenderTarget* target_ = nullptr;
  Size screenViewport_;
  bool stencilAvailable_ = true;
  bool drawingCopiesWork_ = true;
  NullDeviceLog log_;
};
