#include "book/ViewMatrices.h"

#include <cmath>
#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

namespace {

// Hand-edited settings can hold any field of view; NaN goes to the narrow end.
float UsableFieldOfView(float fieldOfView) {
  if (!(fieldOfView > ViewMatrices::kMinFieldOfView)) return ViewMatrices::kMinFieldOfView;
  return fieldOfView < ViewMatrices::kMaxFieldOfView ? fieldOfView : ViewMatrices::kMaxFieldOfView;
}

}  // namespace

ViewMatrices ViewMatrices::ForCamera(const CameraPreset& camera, int clientWidth, int clientHeight,
                                     float aspectFactor) {
  ViewMatrices matrices;
  matrices.view = View(camera);
  matrices.projection = Projection(camera.fieldOfView, Aspect(clientWidth, clientHeight, aspectFactor));
  return matrices;
}

// Row-vector T * Ry * Rx * Rz becomes Rz * Rx * Ry * T for column vectors. GLM's rotation
// about an axis is the transpose of the row-vector rotation by the same angle.
glm::mat4 ViewMatrices::View(const CameraPreset& camera) {
  const glm::mat4 identity(1.0f);
  const glm::mat4 roll = glm::rotate(identity, -camera.roll, glm::vec3(0, 0, 1));
  const glm::mat4 pitch = glm::rotate(identity, -camera.pitch, glm::vec3(1, 0, 0));
  const glm::mat4 yaw = glm::rotate(identity, -camera.yaw, glm::vec3(0, 1, 0));
  const glm::mat4 move = glm::translate(identity, glm::vec3(-camera.x, -camera.y, -camera.z));
  return roll * pitch * yaw * move;
}

glm::mat4 ViewMatrices::Projection(float fieldOfView, float aspect) {
  return glm::perspectiveLH_ZO(UsableFieldOfView(fieldOfView), aspect, kNearPlane, kFarPlane);
}

float ViewMatrices::Aspect(int clientWidth, int clientHeight, float aspectFactor) {
  if (clientWidth <= 0 || clientHeight <= 0) return 1.0f;
  const float aspect = static_cast<float>(clientWidth) / static_cast<float>(clientHeight) * aspectFactor;
  return std::isfinite(aspect) && aspect > 0 ? aspect : 1.0f;
}
