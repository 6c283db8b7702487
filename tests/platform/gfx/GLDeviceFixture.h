#pragma once

#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/trigonometric.hpp>

#include "platform/gfx/GLDevice.h"
#include "platform/gfx/HeadlessContext.h"
#include "support/WindowFramebuffer.h"

// A GLDevice on a headless context drawing into a 64 x 64 framebuffer object with colour and
// depth-stencil, a camera at the origin looking along +z with a 90 degree field of view.
class GLDeviceFixture : public ::testing::Test {
 protected:
  static constexpr int kSize = 64;

  void SetUp() override {
    ASSERT_TRUE(context_.Create()) << context_.error();
    window_ = std::make_unique<WindowFramebuffer>(kSize, kSize);
    framebuffer_ = window_->name();
    ASSERT_TRUE(window_->Complete());
    device_ = std::make_unique<GLDevice>();
    const DeviceStatus status = device_->Create();
    ASSERT_TRUE(status.ok) << status.message;
    device_->SetViewport({kSize, kSize});
    device_->SetProjection(glm::perspectiveLH_ZO(glm::radians(90.0f), 1.0f, 1.0f, 100.0f));
    ASSERT_TRUE(
        device_->Clear(GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth | GraphicsDevice::kClearStencil,
                       0xFF000000u, 1.0f, 0));
  }

  void TearDown() override {
    device_.reset();
    if (context_.valid()) {
      window_.reset();
      EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
  }

  // The pixel at column x, row y counted from the top, as ARGB.
  static uint32_t Pixel(int x, int y) {
    std::array<uint8_t, 4> rgba{};
    glReadPixels(x, kSize - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return uint32_t{rgba[3]} << 24 | uint32_t{rgba[0]} << 16 | uint32_t{rgba[1]} << 8 | rgba[2];
  }
  static int Red(uint32_t argb) { return static_cast<int>((argb >> 16) & 0xFFu); }
  static int Green(uint32_t argb) { return static_cast<int>((argb >> 8) & 0xFFu); }
  static int Blue(uint32_t argb) { return static_cast<int>(argb & 0xFFu); }
  static uint32_t Centre() { return Pixel(kSize / 2, kSize / 2); }

  // A columns x rows grid in the plane z = depth across -half..half in x and y, facing the camera
  // (front faces wind clockwise on screen), normals towards the camera, v = 0 at the top.
  static std::unique_ptr<Mesh> FacingGrid(GraphicsDevice& device, float depth, float half, uint32_t colour,
                                          int columns = 2, int rows = 2) {
    std::vector<MeshVertex> vertices;
    for (int i = 0; i < rows; ++i)
      for (int j = 0; j < columns; ++j) {
        const float u = static_cast<float>(j) / (columns - 1), v = static_cast<float>(i) / (rows - 1);
        vertices.push_back({{(2 * u - 1) * half, (1 - 2 * v) * half, depth}, {0, 0, -1}, colour, u, v});
      }
    std::vector<uint16_t> indices;
    for (int i = 0; i + 1 < rows; ++i)
      for (int j = 0; j + 1 < columns; ++j) {
        const int a = i * columns + j;
        for (int index : {a, a + 1, a + columns + 1, a, a + columns + 1, a + columns})
          indices.push_back(static_cast<uint16_t>(index));
      }
    return device.CreateMesh(std::move(vertices), std::move(indices));
  }

  HeadlessContext context_;
  std::unique_ptr<WindowFramebuffer> window_;
  GLuint framebuffer_ = 0;  // the window's
  std::unique_ptr<GLDevice> device_;
};
