// Times SceneRenderer::RenderFrame for the default scene at 1280 x 720 on the headless device
// while a leaf turns forward: background and transparent-paper textures from the program data,
// eight sample photos on the spreads in view, the interleaf shown; with shadows off and on, each
// once as in the program (the book under the turning leaf is copied in from the last frame) and
// once with a light moving every frame, so that every frame is drawn whole. Each frame is waited for (glFinish), so the figures are what a frame costs, not
// what it costs to queue one. Target: 60 frames a second with shadows off. Another size can be
// given as two arguments: frame_benchmark 640 480.

#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "book/BookScene.h"
#include "book/CameraAnimator.h"
#include "book/FullTurn.h"
#include "book/PhotoTexture.h"
#include "book/SceneRenderer.h"
#include "platform/gfx/GLDevice.h"
#include "platform/gfx/HeadlessContext.h"
#include "settings/Settings.h"

namespace {

constexpr int kFramesPerTurn = 120;  // two seconds at 60 frames a second
constexpr int kTurns = 3;

const std::u16string kData = u"" PAGEWING_DATA_DIR;
const char16_t* const kPhotos[] = {u"zorp1.jpg",  u"zorp2.jpg", u"zorp3.jpg",   u"zorp4.jpg",
                                   u"desert.jpg", u"night.jpg", u"stripes.jpg", u"mandelbrot.jpg"};

struct Figures {
  double meanMs = 0;
  double medianMs = 0;
  double worstMs = 0;
  double issueMs = 0;  // mean time until RenderFrame returned: the program's own share
};

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The textures of the frame: the eight slots a forward turn shows (0-7) and the surfaces.
class SceneSamples {
 public:
  explicit SceneSamples(GraphicsDevice& device) : background_(&device, nullptr), transparentPaper_(&device, nullptr) {
    background_.Load(kData + u"/textures/Background.jpg", -1);
    transparentPaper_.Load(kData + u"/textures/TransparentPaper.jpg", -1);
    for (int slot = 0; slot < 8; ++slot) {
      photos_.push_back(std::make_unique<PhotoTexture>(&device, nullptr));
      photos_.back()->Load(kData + u"/photos/" + kPhotos[slot], slot);
    }
  }

  bool Complete() const {
    if (!background_.HasTexture() || !transparentPaper_.HasTexture()) return false;
    return std::all_of(photos_.begin(), photos_.end(), [](const auto& photo) { return photo->HasTexture(); });
  }

  SceneTextures Textures() const {
    SceneTextures textures;
    textures.background = background_.texture();
    textures.transparentPaper = transparentPaper_.texture();
    for (size_t slot = 0; slot < photos_.size(); ++slot) {
      const PhotoTexture& photo = *photos_[slot];
      textures.slots[slot] = {photo.texture(), photo.imageSize().width, photo.imageSize().height, 0,
                              photo.PhotoIndex()};
    }
    return textures;
  }

 private:
  PhotoTexture background_;
  PhotoTexture transparentPaper_;
  std::vector<std::unique_ptr<PhotoTexture>> photos_;
};

struct Run {
  const char* name;
  bool shadows;
  // A light that moves every frame changes the lying pages too: nothing of a frame can be reused,
  // as when the camera glides during a turn.
  bool lightMoves;
};

// Renders kTurns forward turns, one frame after the other, and returns the frame times.
bool TimeTurns(GLDevice& device, RenderTarget& target, const SceneTextures& textures, const Run& run,
               Figures& figures) {
  Settings settings(SettingsEnvironment{u"/nonexistent/program", 1920, 1080, u"/nonexistent/movies"});
  settings.RenderShadows = run.shadows;
  CameraAnimator camera(settings);
  BookScene scene;
  RenderContext context(&device);
  SceneRenderer renderer(context, scene, settings, camera);
  SceneFrameInputs inputs;
  inputs.clientWidth = target.width();
  inputs.clientHeight = target.height();
  inputs.lightPosition = {-200, 200, 50};
  inputs.turnDirection = 1;
  inputs.target = &target;
  std::vector<double> times;
  double issued = 0;
  for (int frame = -1; frame < kTurns * kFramesPerTurn; ++frame) {
    inputs.turnProgress = FullTurn * static_cast<float>(std::max(frame, 0) % kFramesPerTurn) / kFramesPerTurn;
    if (run.lightMoves) inputs.lightPosition.x = -200.0f + 0.01f * static_cast<float>(frame);
    const auto start = std::chrono::steady_clock::now();
    if (!renderer.RenderFrame(inputs, textures)) return false;
    const double issue = MillisecondsSince(start);
    glFinish();
    // The first frame makes the meshes; it is not counted.
    if (frame < 0) continue;
    times.push_back(MillisecondsSince(start));
    issued += issue;
  }
  scene.ReleaseDeviceResources();
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  const double count = static_cast<double>(times.size());
  figures = {sum / count, times[times.size() / 2], times.back(), issued / count};
  return true;
}

void Report(const char* name, const Figures& figures) {
  std::printf("%-26s %7.2f ms a frame (median %.2f, worst %.2f), %6.1f fps; %.2f ms of it until RenderFrame returned\n",
              name, figures.meanMs, figures.medianMs, figures.worstMs, 1000.0 / figures.meanMs, figures.issueMs);
}

}  // namespace

int main(int argc, char** argv) {
  const int width = argc == 3 ? std::atoi(argv[1]) : 1280;
  const int height = argc == 3 ? std::atoi(argv[2]) : 720;
  HeadlessContext context;
  if (!context.Create()) {
    std::printf("no headless context: %s\n", context.error().c_str());
    return 1;
  }
  GLDevice device;
  const DeviceStatus status = device.Create();
  std::unique_ptr<RenderTarget> target = status.ok ? device.CreateRenderTarget(width, height) : nullptr;
  if (!status.ok) {
    std::printf("no device: %s\n", status.message.c_str());
    return 1;
  }
  if (target == nullptr) {
    std::printf("cannot make a %d x %d target\n", width, height);
    return 1;
  }
  std::printf("%s, %d x %d, %d frames a run during page turns\n", context.Renderer().c_str(), width, height,
              kTurns * kFramesPerTurn);
  const SceneSamples samples(device);
  if (!samples.Complete()) {
    std::printf("sample textures missing below %s\n", PAGEWING_DATA_DIR);
    return 1;
  }
  const SceneTextures textures = samples.Textures();
  for (const Run& run : {Run{"shadows off", false, false}, Run{"shadows on", true, false},
                         Run{"shadows off, light moving", false, true}, Run{"shadows on, light moving", true, true}}) {
    Figures figures;
    if (!TimeTurns(device, *target, textures, run, figures)) {
      std::printf("a frame failed\n");
      return 1;
    }
    Report(run.name, figures);
  }
  return 0;
}
