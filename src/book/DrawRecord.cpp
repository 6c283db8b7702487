#include "book/DrawRecord.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include <glm/mat4x4.hpp>
#include <glm/vec4.hpp>

namespace {

using Rect = GraphicsDevice::Rect;

// A rasteriser may light the pixels either side of an edge that falls on a pixel's boundary.
constexpr int kAreaMargin = 2;

Rect WholeViewport(const DrawRecord::Start& start) { return {0, 0, start.viewport.width, start.viewport.height}; }

// The pixels the mesh's vertices span, widened by the margin and held within the viewport; the
// whole viewport when a vertex lies at or behind the eye, where it does not project, or is no
// number at all.
Rect ScreenArea(const Mesh& mesh, const DrawRecord::Start& start) {
  const glm::mat4 toClip = start.projection * start.view * start.world;
  constexpr float kFar = std::numeric_limits<float>::max();
  float left = kFar, top = kFar, right = -kFar, bottom = -kFar;
  for (const MeshVertex& vertex : mesh.vertices()) {
    const glm::vec4 clip = toClip * glm::vec4(vertex.position, 1.0f);
    if (!(clip.w > 1e-6f)) return WholeViewport(start);
    const float x = (clip.x / clip.w + 1.0f) * 0.5f * static_cast<float>(start.viewport.width);
    const float y = (1.0f - clip.y / clip.w) * 0.5f * static_cast<float>(start.viewport.height);
    if (!std::isfinite(x) || !std::isfinite(y)) return WholeViewport(start);
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  if (left > right) return {};
  const auto edge = [](float value, int margin, int limit) {
    const float widened = value + static_cast<float>(margin);
    return static_cast<int>(std::clamp(widened, 0.0f, static_cast<float>(limit)));
  };
  const int x0 = edge(std::floor(left), -kAreaMargin, start.viewport.width);
  const int y0 = edge(std::floor(top), -kAreaMargin, start.viewport.height);
  const int x1 = edge(std::ceil(right), kAreaMargin, start.viewport.width);
  const int y1 = edge(std::ceil(bottom), kAreaMargin, start.viewport.height);
  return {x0, y0, x1 - x0, y1 - y0};
}

bool IsEmpty(const Rect& rect) { return rect.width <= 0 || rect.height <= 0; }

Rect Union(const Rect& a, const Rect& b) {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const int x1 = std::max(a.x + a.width, b.x + b.width), y1 = std::max(a.y + a.height, b.y + b.height);
  return {x0, y0, x1 - x0, y1 - y0};
}

using Steps = std::span<const DrawRecord::Step>;

// The mesh draws from first up to the next step of another kind.
size_t DrawsEnd(Steps steps, size_t first) {
  while (first < steps.size() && std::holds_alternative<DrawRecord::Draw>(steps[first])) ++first;
  return first;
}

// Draws both runs share at their start and at their end leave the same pixels wherever the
// draws between them do not reach; those, from either run, make the area.
Rect ChangedDraws(Steps ours, Steps theirs) {
  size_t head = 0;
  while (head < ours.size() && head < theirs.size() && ours[head] == theirs[head]) ++head;
  size_t tail = 0;
  while (tail < ours.size() - head && tail < theirs.size() - head &&
         ours[ours.size() - 1 - tail] == theirs[theirs.size() - 1 - tail])
    ++tail;
  Rect area;
  for (Steps run : {ours, theirs}) {
    for (const DrawRecord::Step& step : run.subspan(head, run.size() - head - tail))
      area = Union(area, std::get<DrawRecord::Draw>(step).area);
  }
  return area;
}

}  // namespace

DrawRecord::DrawRecord(const GraphicsDevice& device, const glm::mat4& world, const glm::mat4& view,
                       const glm::mat4& projection)
    : start{device.renderTarget(),   device.viewport(), device.StencilAvailable(), device.renderStates(),
            device.light(),          world,             view,                      projection},
      reusable(true) {}

void DrawRecord::NoteDraw(const MeshDrawParams& params) {
  if (params.useEffect && params.effect != nullptr) reusable = false;
  steps.push_back(Draw{params.mesh->version(), params.texture != nullptr ? params.texture->version() : 0,
                       params.lighting, params.shiny, params.colour, params.cull, params.depthLessEqual,
                       ScreenArea(*params.mesh, start)});
}

std::optional<GraphicsDevice::Rect> DrawRecord::AreaChangedFrom(const DrawRecord& other) const {
  if (!reusable || !other.reusable || start != other.start) return std::nullopt;
  Rect area;
  size_t ours = 0, theirs = 0;
  while (true) {
    const size_t oursEnd = DrawsEnd(steps, ours), theirsEnd = DrawsEnd(other.steps, theirs);
    area = Union(area, ChangedDraws(Steps(steps).subspan(ours, oursEnd - ours),
                                    Steps(other.steps).subspan(theirs, theirsEnd - theirs)));
    const bool oursDone = oursEnd == steps.size(), theirsDone = theirsEnd == other.steps.size();
    if (oursDone || theirsDone) return oursDone && theirsDone ? std::optional(area) : std::nullopt;
    if (steps[oursEnd] != other.steps[theirsEnd]) return std::nullopt;
    ours = oursEnd + 1;
    theirs = theirsEnd + 1;
  }
}
