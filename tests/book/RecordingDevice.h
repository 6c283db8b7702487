#pragma once

#include <vector>

#include "platform/gfx/NullDevice.h"

// A null device that keeps every successful draw in order, with the states, texture and
// material in force for it.
class RecordingDevice : public NullDevice {
 public:
  struct Draw {
    enum class Kind { Mesh, Triangles, Quad };
    Kind kind = Kind::Mesh;
    const Mesh* mesh = nullptr;
    RenderStates states;
    const Texture* texture = nullptr;
    Material material;
    int triangles = 0;
    glm::vec3 firstPosition{0.0f};  // of a triangle draw: tells which volume it was
  };

  bool DrawMesh(const Mesh& mesh) override {
    if (!NullDevice::DrawMesh(mesh)) return false;
    Record(Draw::Kind::Mesh, &mesh, 0);
    return true;
  }
  bool DrawTriangles(std::span<const glm::vec3> positions, int triangleCount) override {
    if (!NullDevice::DrawTriangles(positions, triangleCount)) return false;
    Record(Draw::Kind::Triangles, nullptr, triangleCount);
    draws.back().firstPosition = positions.front();
    return true;
  }
  bool DrawScreenQuad(const std::array<ScreenVertex, 4>& quad) override {
    if (!NullDevice::DrawScreenQuad(quad)) return false;
    Record(Draw::Kind::Quad, nullptr, 2);
    return true;
  }

  std::vector<Draw> draws;

 private:
  void Record(Draw::Kind kind, const Mesh* mesh, int triangles) {
    draws.push_back({kind, mesh, renderStates(), texture(), material(), triangles, glm::vec3(0.0f)});
  }
};
