#pragma once

#include "book/BookScene.h"
#include "book/CameraAnimator.h"
#include "book/RenderContext.h"
#include "book/SceneFrameInputs.h"
#include "book/SceneRenderer.h"
#include "settings/Settings.h"

// The book's scene wired to a device of the test's choice, with default settings and camera:
// what the scene tests draw through. Members come first so that a fixture may use them in its
// own member initialisers.
template <typename Device>
struct SceneRig {
  Device device_;
  Settings settings_{SettingsEnvironment{u"/nonexistent/program", 1024, 768, u"/nonexistent/movies"}};
  CameraAnimator camera_{settings_};
  BookScene scene_;
  RenderContext context_{&device_};
  SceneRenderer renderer_{context_, scene_, settings_, camera_};
  SceneFrameInputs inputs_;
};
