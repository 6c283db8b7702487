#pragma once

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "book/MeshDrawParams.h"
#include "platform/gfx/GraphicsDevice.h"

// What a stretch of drawing through a RenderContext was made from: where it went and the
// device's states, light and transforms when it began, then every clear, coverage change, mesh
// draw and shadow step, meshes and textures by their versions, shadow volumes by their positions.
// Two equal records draw the same pixels and leave the device with the same states. A draw
// through an effect makes the record unusable for that: an effect's picture may change with what
// the record does not hold, its time above all. Each mesh draw also notes the pixels it can
// touch, so that two records that differ in a few draws tell where their pictures can differ.
struct DrawRecord {
  struct Start {
    const RenderTarget* target = nullptr;
    GraphicsDevice::Size viewport;
    bool stencil = false;
    RenderStates states;
    PointLight light;
    glm::mat4 world{1.0f};
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    bool operator==(const Start&) const = default;
  };
  struct Clear {
    unsigned flags = 0;
    uint32_t argb = 0;
    bool operator==(const Clear&) const = default;
  };
  struct Coverage {
    bool on = false;
    uint8_t hiddenBy = 0;
    uint8_t marks = 0;
    bool operator==(const Coverage&) const = default;
  };
  struct Draw {
    uint64_t mesh = 0;
    uint64_t texture = 0;  // 0: none
    bool lighting = false;
    bool shiny = false;
    glm::vec4 colour{1.0f};
    RenderStates::Cull cull = RenderStates::Cull::None;
    bool depthLessEqual = false;
    // The viewport's pixels the mesh can cover, seen through the start's transforms.
    GraphicsDevice::Rect area;
    bool operator==(const Draw&) const = default;
  };
  // The sides of a shadow volume counted into the stencil.
  struct ShadowVolume {
    int triangles = 0;
    std::vector<glm::vec3> positions;
    bool operator==(const ShadowVolume&) const = default;
  };
  // The shadowed pixels darkened.
  struct Darken {
    uint32_t argb = 0;
    bool operator==(const Darken&) const = default;
  };
  using Step = std::variant<Clear, Coverage, Draw, ShadowVolume, Darken>;

  DrawRecord() = default;
  DrawRecord(const GraphicsDevice& device, const glm::mat4& world, const glm::mat4& view,
             const glm::mat4& projection);

  void NoteDraw(const MeshDrawParams& params);

  // The viewport's pixels outside which this record draws the same picture as other, with the
  // same depth and stencil: where the draws that differ between the two can reach. None when
  // the two differ in more than mesh draws (their start, clears, coverage or shadow steps) or
  // either is unusable; an empty rectangle for equal records.
  std::optional<GraphicsDevice::Rect> AreaChangedFrom(const DrawRecord& other) const;

  Start start;
  std::vector<Step> steps;
  // False for an empty record and once anything was drawn that the record cannot tell apart.
  bool reusable = false;

  bool operator==(const DrawRecord&) const = default;
};
