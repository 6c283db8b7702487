#pragma once

#include "platform/gfx/GLFixedFunctionPrograms.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/ResourceRegistry.h"

// The GraphicsDevice over the OpenGL context current on the calling thread (3.3 core or later),
// drawing into whatever framebuffer is bound. Every call, the destructor included, needs that
// context current. Depth runs 0..1 through glClipControl where the context has it (OpenGL 4.5 or
// ARB_clip_control), else the shader converts it. User-interface thread only.
class GLDevice : public GraphicsDevice {
 public:
  GLDevice();
  ~GLDevice() override;

  // Builds the programs and buffers; until it succeeds the device counts as lost and draws nothing.
  DeviceStatus Create();
  // Whether glClipControl gave the 0..1 depth range (else the shader converts).
  bool usesClipControl() const { return clipControl_; }

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
  bool DrawMeshWithEffect(const Mesh& mesh, const Effect& effect, const EffectParameters& parameters) override;

  std::unique_ptr<Mesh> CreateMesh(std::vector<MeshVertex> vertices, std::vector<uint16_t> indices) override;
  std::unique_ptr<Texture> CreateTexture(int width, int height, std::span<const std::vector<uint32_t>> levels) override;
  int MaxTextureSize() const override { return maxTextureSize_; }
  std::unique_ptr<Effect> CreateEffect(const EffectSource& source, int compileFlags, std::string& messages) override;
  // Going from the screen to a target remembers the draw framebuffer bound at that moment (Qt's
  // own one inside paintGL) as the one to return to.
  std::unique_ptr<RenderTarget> CreateRenderTarget(int width, int height) override;
  bool SetRenderTarget(RenderTarget* target) override;
  RenderTarget* renderTarget() const override { return target_; }
  // Asks OpenGL about the draw framebuffer bound now.
  bool StencilAvailable() const override;
  bool CopyDrawingTo(RenderTarget& store) override;
  bool CopyDrawingAreaTo(RenderTarget& store, const Rect& area) override;
  bool CopyDrawingAreaFrom(const RenderTarget& store, const Rect& area) override;
  bool CopyDrawingFrom(const RenderTarget& store) override;
  bool ReadRenderTarget(const RenderTarget& target, std::vector<uint32_t>& texels) override;
  bool ReadWindow(int width, int height, std::vector<uint32_t>& texels) override;
  void Finish() override;

  // Frees the device's own objects and every resource's; with the context still current where it
  // can be (a context already gone leaves nothing to free).
  void OnDeviceLost() override;
  // Create again, on the (new) current context, once no lost resource is alive.
  DeviceStatus OnDeviceReset() override;
  bool lost() const override { return !ready_; }
  // Resources alive (lost or not): after a loss and the release it asks for, none may remain.
  int LiveResources() const { return registry_.Count(); }

 private:
  bool Usable() const { return ready_; }
  void DestroyObjects();
  // Applies the states and puts the draw's program in use; false when that program cannot be built.
  bool PrepareDraw(bool pretransformed);
  void SetLighting(GLFixedFunctionProgram& program) const;
  bool TextureUsable(const Texture* texture) const;
  void ApplyViewport() const;
  void ApplyScissor() const;
  void UseVertexLayout(bool withNormalColourUv, int positionSize, int stride);
  void BindMesh(const Mesh& mesh);
  unsigned UsableTextureName(const Texture* texture) const;
  bool StoreUsable(const RenderTarget& store) const;
  // Gives the current target, if any, a new version: what it holds is about to change.
  void MarkTargetDrawn();
  bool CopyFramebuffer(unsigned from, unsigned to, const Rect& area) const;
  Rect WholeViewport() const { return {0, 0, viewport_.width, viewport_.height}; }
  // The rows of area as OpenGL counts them in what is drawn into now.
  int RowFromBottom(const Rect& area) const;

  ResourceRegistry registry_;
  GLFixedFunctionPrograms programs_;
  unsigned vertexArray_ = 0;
  unsigned streamBuffer_ = 0;
  bool ready_ = false;
  bool clipControl_ = false;
  int maxTextureSize_ = 0;

  RenderStates states_;
  glm::mat4 world_{1.0f};
  glm::mat4 view_{1.0f};
  glm::mat4 projection_{1.0f};
  PointLight light_;
  Material material_;
  const Texture* texture_ = nullptr;
  Size viewport_;
  RenderTarget* target_ = nullptr;
  unsigned screenFramebuffer_ = 0;
  Size screenViewport_;
  std::optional<Rect> scissor_;
};
