#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "platform/gfx/DeviceStatus.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/EffectParameters.h"
#include "platform/gfx/EffectSource.h"
#include "platform/gfx/Material.h"
#include "platform/gfx/Mesh.h"
#include "platform/gfx/MeshVertex.h"
#include "platform/gfx/PointLight.h"
#include "platform/gfx/RenderTarget.h"
#include "platform/gfx/RenderStates.h"
#include "platform/gfx/ScreenVertex.h"
#include "platform/gfx/Texture.h"

// A Direct3D-9-style device: the render states, transforms, light 0, material and texture stage 0
// of the fixed-function pipeline, the draws the scene makes, and the resources it creates.
// Transforms act on column vectors (clip = projection * view * world * point) and depth runs 0..1
// from near to far. States set stay until changed and apply to every later draw.
//
// Device loss: OnDeviceLost marks every live resource lost (they keep their CPU data, draws with
// them fail); OnDeviceReset makes the device usable again, but only once every resource from
// before the loss has been released, as Direct3D demands. While lost nothing is drawn or created.
//
// One thread: the user-interface thread (for an OpenGL device, the one whose context is current).
class GraphicsDevice {
 public:
  enum ClearFlag : unsigned { kClearColour = 1, kClearDepth = 2, kClearStencil = 4 };
  struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
  };
  // Pixels of the viewport, counted from its top-left corner as the picture is seen.
  struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
  };

  virtual ~GraphicsDevice() = default;

  virtual void SetRenderStates(const RenderStates& states) = 0;
  virtual const RenderStates& renderStates() const = 0;
  virtual void SetWorld(const glm::mat4& world) = 0;
  virtual void SetView(const glm::mat4& view) = 0;
  virtual void SetProjection(const glm::mat4& projection) = 0;
  virtual void SetLight(const PointLight& light) = 0;
  virtual const PointLight& light() const = 0;
  virtual void SetMaterial(const Material& material) = 0;
  // Texture of stage 0, or none (nullptr). Not owned: the device forgets a texture that is deleted.
  // A texture of another device, or a lost one, counts as none.
  virtual void SetTexture(const Texture* texture) = 0;
  // The drawing area, from the top-left corner of the current target; screen quads use its pixels.
  virtual void SetViewport(Size size) = 0;
  virtual Size viewport() const = 0;
  // Limits clears and draws to rect until lifted (no rect); copies of the drawing stay whole.
  virtual void SetScissor(const std::optional<Rect>& rect) = 0;

  // Clears what flags name (ClearFlag bits) within the viewport, whatever the write masks.
  virtual bool Clear(unsigned flags, uint32_t argb, float depth, uint8_t stencil) = 0;
  // Draws subset 0 (all triangles) of a mesh this device created. Fails for a lost, locked or
  // foreign mesh.
  virtual bool DrawMesh(const Mesh& mesh) = 0;
  // Draws triangleCount triangles of bare positions, three per triangle (shadow volumes): normal
  // (0, 0, 0), colour opaque white. Fails when positions holds fewer than 3 * triangleCount or the
  // count is below 1.
  virtual bool DrawTriangles(std::span<const glm::vec3> positions, int triangleCount) = 0;
  // Draws four pre-transformed vertices as a two-triangle strip (0, 1, 2 and 1, 3, 2), unlit,
  // stage 0 sampled at the vertices' u, v.
  // Pixel centres lie at half-integer coordinates (OpenGL's rule; Direct3D 9 puts them on the
  // integers): a quad from (0, 0) to the viewport size covers every pixel under either rule.
  virtual bool DrawScreenQuad(const std::array<ScreenVertex, 4>& quad) = 0;
  // Draws subset 0 of a mesh once per pass of the effect's current technique, with the render
  // states and transforms of the device; the passes' stages replace lighting, material and
  // texture stage 0, and the parameters the effect declares are set from parameters (a texture
  // of another device, or a lost one, counts as none). Fails, drawing nothing, for a mesh that
  // DrawMesh refuses, a lost or foreign effect, or one without a current technique.
  virtual bool DrawMeshWithEffect(const Mesh& mesh, const Effect& effect, const EffectParameters& parameters) = 0;

  // nullptr unless Mesh::Valid holds and the device is usable.
  virtual std::unique_ptr<Mesh> CreateMesh(std::vector<MeshVertex> vertices, std::vector<uint16_t> indices) = 0;
  // levels[i] is mip level i (see Texture). nullptr unless Texture::Valid holds for the device's
  // largest texture size and the device is usable.
  virtual std::unique_ptr<Texture> CreateTexture(int width, int height,
                                                 std::span<const std::vector<uint32_t>> levels) = 0;
  virtual int MaxTextureSize() const = 0;
  // Compiles every technique of source with compileFlags (EffectCompileFlags.h). nullptr when
  // the device is unusable or any stage fails to compile or link; messages then holds the
  // compiler's own logs (appended, UTF-8 or whatever bytes the compiler gave).
  virtual std::unique_ptr<Effect> CreateEffect(const EffectSource& source, int compileFlags,
                                               std::string& messages) = 0;

  // nullptr unless both sides lie in 1..MaxTextureSize() and the device is usable.
  virtual std::unique_ptr<RenderTarget> CreateRenderTarget(int width, int height) = 0;
  // Later clears and draws go into target, and its full size becomes the viewport; with nullptr
  // they go back to the framebuffer and viewport in use before the first target was set. The
  // device forgets a target that is deleted. Fails (nothing changes) for a lost or foreign target.
  virtual bool SetRenderTarget(RenderTarget* target) = 0;
  virtual RenderTarget* renderTarget() const = 0;
  // Whether what is drawn into now, the window or a render target, has a stencil buffer.
  virtual bool StencilAvailable() const = 0;
  // Copy the colour, depth and stencil of the viewport of what is drawn into now, the window or a
  // render target, into store, or back from it; store must have the viewport's size and not be
  // the target. What a copy to store and back returns is exactly what was there. False, copying
  // nothing, when the two cannot be copied between (depth or stencil formats OpenGL will not
  // copy, a multisampled window) or on a lost device.
  virtual bool CopyDrawingTo(RenderTarget& store) = 0;
  virtual bool CopyDrawingFrom(const RenderTarget& store) = 0;
  // The same for the pixels of area only; the rest of the copy's destination stays as it was.
  virtual bool CopyDrawingAreaTo(RenderTarget& store, const Rect& area) = 0;
  virtual bool CopyDrawingAreaFrom(const RenderTarget& store, const Rect& area) = 0;
  // Copies the texels of target into texels (resized to width x height), rows top-down, ARGB.
  virtual bool ReadRenderTarget(const RenderTarget& target, std::vector<uint32_t>& texels) = 0;
  // Copies the window's picture as drawn so far (the framebuffer in use when no target is set),
  // width x height pixels from its top-left corner, into texels: rows top-down, ARGB. False
  // while a target is set, for a size beyond the viewport, or on a lost device.
  virtual bool ReadWindow(int width, int height, std::vector<uint32_t>& texels) = 0;
  // Returns once every drawing asked for so far is done.
  virtual void Finish() = 0;

  virtual void OnDeviceLost() = 0;
  virtual DeviceStatus OnDeviceReset() = 0;
  virtual bool lost() const = 0;
};
