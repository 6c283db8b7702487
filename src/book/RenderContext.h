#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "book/DrawRecord.h"
#include "book/MeshDrawParams.h"
#include "platform/gfx/GraphicsDevice.h"

// The thin wrapper around the device through which the scene draws: it keeps the last world,
// view and projection set, performs every mesh draw with one uniform set of render states, and
// draws the stencil shadows. The device is not owned and must outlive the context or be replaced
// with SetDevice first. User-interface thread only.
class RenderContext {
 public:
  static constexpr float kShinyPower = 1000.0f;

  explicit RenderContext(GraphicsDevice* device = nullptr) : device_(device) {}

  GraphicsDevice* device() const { return device_; }
  // nullptr: no device; every draw then fails.
  void SetDevice(GraphicsDevice* device) { device_ = device; }

  // Each stores the matrix and, with a device, sets it there.
  void SetWorld(const glm::mat4& world);
  void SetView(const glm::mat4& view);
  void SetProjection(const glm::mat4& projection);
  const glm::mat4& world() const { return world_; }
  const glm::mat4& view() const { return view_; }
  const glm::mat4& projection() const { return projection_; }

  // Sets cull mode, lighting, texture, blending, specular, depth and material from params and
  // draws the mesh, through the effect when params ask for it and name one. Fails, drawing
  // nothing, without a device or a mesh.
  bool DrawMesh(const MeshDrawParams& params);

  // Clears the stencil of the whole target to 0, nothing else.
  bool ClearStencil();
  // Clears colour to argb, depth to 1 and the stencil to 0.
  bool ClearFrame(uint32_t argb);
  // Drawing out of order through the stencil: the draws that follow are made only where none of
  // the hiddenBy bits is set, and set the marks bits where they draw; their own marks never hide
  // them. Opaque draws that are not depth-tested, each hidden only by the marks of draws meant to
  // come after it, give the picture of the intended order without shading what is hidden. Fails,
  // changing nothing, without a device, when the target has no stencil or when a bit is in both.
  bool SetCoverage(uint8_t hiddenBy, uint8_t marks);
  // Back to drawing with no stencil test.
  void EndCoverage();
  // Counts into the stencil buffer, without changing a colour, the visible sides of an uncapped
  // shadow volume (triangleCount triangles of bare positions): +1 for each side facing the viewer,
  // -1 for each facing away, so pixels inside the volume end up positive. Nothing for a count
  // below 1 or no positions.
  bool DrawShadowVolume(int triangleCount, std::span<const glm::vec3> positions);
  // Blends argb (its alpha as the weight) over every pixel whose stencil value is 1 or more.
  bool DarkenShadowed(uint32_t argb);

  // Until EndRecording, clears, coverage changes, mesh draws, shadow volumes and darkening are
  // noted in a record instead of being made, and succeed as they would; the device is not
  // touched. The record tells whether drawing them would give what drawing an earlier record
  // gave. Having no device makes the record unusable.
  void BeginRecording();
  DrawRecord EndRecording();

 private:
  static void SetDrawStates(RenderStates& states, const MeshDrawParams& params);
  static Material DrawMaterial(const MeshDrawParams& params);
  void SetShadowVolumeStates();
  void RestoreAfterShadowVolume();
  void SetDarkeningStates();
  // While recording with a device: notes step and succeeds.
  bool Note(DrawRecord::Step step);

  GraphicsDevice* device_;
  glm::mat4 world_{1.0f};
  glm::mat4 view_{1.0f};
  glm::mat4 projection_{1.0f};
  std::optional<DrawRecord> recording_;
};
