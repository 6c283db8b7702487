#include <epoxy/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/BookTextures.h"
#include "app/ExportDriver.h"
#include "app/HeadlessAppServices.h"
#include "app/PhotoBookApp.h"
#include "app/VirtualKey.h"
#include "book/BookLayout.h"
#include "book/CameraAnimator.h"
#include "platform/gfx/GLDevice.h"
#include "platform/gfx/HeadlessContext.h"
#include "platform/gfx/HeadlessWindow.h"
#include "platform/sys/FileSystem.h"
#include "settings/Settings.h"
#include "support/MovieProbe.h"

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 180;
constexpr int kPhotoCount = 6;  // two spreads: photos 0-1, then 2-5

// How many device losses the soak makes: PAGEWING_DEVICE_LOSSES, else a short run for the suite.
int LossCount() {
  const char* count = std::getenv("PAGEWING_DEVICE_LOSSES");
  return count != nullptr && std::atoi(count) > 0 ? std::atoi(count) : 5;
}

// Each photo is one strong colour, and the photos of a spread all differ, so every photo's
// place in the window can be told from the pages and from the other photos.
enum class Hue { Red, Green, Blue, Yellow, None };
constexpr std::array<Hue, 4> kHues = {Hue::Red, Hue::Green, Hue::Blue, Hue::Yellow};

std::string SolidTga(Hue hue) {
  const uint8_t red = hue == Hue::Red || hue == Hue::Yellow ? 230 : 10;
  const uint8_t green = hue == Hue::Green || hue == Hue::Yellow ? 230 : 10;
  const uint8_t blue = hue == Hue::Blue ? 230 : 10;
  std::string bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 8, 0, 24, 0x20};
  for (int i = 0; i < 64; ++i) bytes += {static_cast<char>(blue), static_cast<char>(green), static_cast<char>(red)};
  return bytes;
}

// The hue an ARGB window pixel clearly has, if any: lit or shaded, a photo keeps its hue.
Hue HueOf(uint32_t argb) {
  const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
  if (r > 60 && g > 60 && b * 3 < std::min(r, g) && std::abs(r - g) * 3 < std::max(r, g)) return Hue::Yellow;
  if (r > 60 && r > 3 * g && r > 3 * b) return Hue::Red;
  if (g > 60 && g > 3 * r && g > 3 * b) return Hue::Green;
  if (b > 60 && b > 3 * r && b > 3 * g) return Hue::Blue;
  return Hue::None;
}

void DumpPpm(const std::vector<uint32_t>& px, const std::string& name) {
  FILE* f = fopen(name.c_str(), "wb");
  fprintf(f, "P6 %d %d 255\n", kWidth, kHeight);
  for (uint32_t p : px) {
    unsigned char c[3] = {(unsigned char)(p >> 16), (unsigned char)(p >> 8), (unsigned char)p};
    fwrite(c, 1, 3, f);
  }
  fclose(f);
}

// Where each photo of a spread is seen at rest: the pixels of its hue.
using PhotoRegions = std::map<Hue, std::vector<int>>;

PhotoRegions RegionsOf(const std::vector<uint32_t>& window) {
  PhotoRegions regions;
  for (int i = 0; i < static_cast<int>(window.size()); ++i)
    if (const Hue hue = HueOf(window[i]); hue != Hue::None) regions[hue].push_back(i);
  return regions;
}

// The live objects of each kind in the current context, as OpenGL itself knows them: names are
// handed out upwards, so every name below a fresh one is tried.
int LiveGLObjects() {
  int live = 0;
  auto count = [&live](GLuint below, GLboolean (*is)(GLuint)) {
    for (GLuint name = 1; name < below; ++name) live += is(name) ? 1 : 0;
  };
  GLuint probe = 0;
  glGenTextures(1, &probe);
  count(probe, [](GLuint n) { return glIsTexture(n); });
  glDeleteTextures(1, &probe);
  glGenBuffers(1, &probe);
  count(probe, [](GLuint n) { return glIsBuffer(n); });
  glDeleteBuffers(1, &probe);
  glGenFramebuffers(1, &probe);
  count(probe, [](GLuint n) { return glIsFramebuffer(n); });
  glDeleteFramebuffers(1, &probe);
  glGenRenderbuffers(1, &probe);
  count(probe, [](GLuint n) { return glIsRenderbuffer(n); });
  glDeleteRenderbuffers(1, &probe);
  glGenVertexArrays(1, &probe);
  count(probe, [](GLuint n) { return glIsVertexArray(n); });
  glDeleteVertexArrays(1, &probe);
  probe = glCreateProgram();  // programs and shaders share their names
  count(probe, [](GLuint n) { return static_cast<GLboolean>(glIsProgram(n) || glIsShader(n)); });
  glDeleteProgram(probe);
  return live;
}

long ResidentKilobytes() {
  long pages = 0, resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Forced device losses on the real OpenGL device, in the middle of page turns and of movie
// exports. Each loss releases every resource and makes it again, as the framework does when the
// window's context is lost; every fourth one also replaces the context itself.
class DeviceLossSoakGLTest : public testing::Test, protected HeadlessAppServices {
 protected:
  DeviceLossSoakGLTest() : HeadlessAppServices(kWidth, kHeight) {}

  void SetUp() override {
    MakeFolder(photos);
    for (int i = 0; i < kPhotoCount; ++i)
      WriteBytes(photos + u"/p0" + std::u16string(1, static_cast<char16_t>(u'0' + i)) + u".tga",
                 SolidTga(kHues[i % kHues.size()]));
    context = std::make_unique<HeadlessContext>();
    ASSERT_TRUE(context->Create()) << context->error();
    ASSERT_TRUE(device.Create());
    MakeWindow();
    ASSERT_TRUE(app->Init());
    Settings& s = app->settings();
    s.TimePage = s.TimeZoom = s.TimeView = 1;
    // The window keeps its size: an export fits the window to the movie first.
    s.ExportWidth = kWidth;
    s.ExportHeight = kHeight;
    s.ExportFPS = 5;
    s.ExportType = 0;
    s.AntialiasingQuality = 2;
    s.RenderTransparentPage = false;  // each key turns a whole leaf
    app->OnDeviceCreated(device, {kWidth, kHeight});
    app->OnDeviceReset(device, {kWidth, kHeight});
    ASSERT_TRUE(app->OpenFolder(photos + u"/p00.tga"));
  }
  void TearDown() override {
    if (!context || !context->valid()) return;
    app->OnDeviceLost();
    app->OnDeviceDestroyed();
    window.reset();
    EXPECT_EQ(device.LiveResources(), 0);
  }

  void MakeWindow() {
    window = std::make_unique<HeadlessWindow>();
    ASSERT_TRUE(window->Create(device, {kWidth, kHeight}));
  }
  // One frame of the main loop, 50 ms after the last; the photos asked for are decoded first.
  void Frame() {
    now += 50;
    app->textures().FinishDecoding();
    window->BeginFrame();
    app->OnFrameMove(0, 0);
    app->OnFrameRender(device, 0, 0);
  }
  int RunToRest() {
    int frames = 0;
    do {
      Frame();
    } while (++frames < 1000 && (app->spread().TransitionRunning() || app->camera().IsMoving() ||
                                 app->textures().window().PhotosLoading(app->photoCount(), app->spread().CurrentPage)));
    return frames;
  }
  std::vector<uint32_t> Window() {
    std::vector<uint32_t> texels;
    EXPECT_TRUE(device.ReadWindow(kWidth, kHeight, texels));
    return texels;
  }

  // As the framework does it: the application lets go of everything, the device frees its own
  // objects, and both are made anew, on a new context every fourth time.
  void LoseTheDevice(int n) {
    const bool newContext = n % 4 == 3;
    app->OnDeviceLost();
    if (newContext) app->OnDeviceDestroyed();
    window.reset();
    device.OnDeviceLost();
    ASSERT_EQ(device.LiveResources(), 0) << "loss " << n << " left resources alive";
    ASSERT_EQ(LiveGLObjects(), 0) << "loss " << n << " left OpenGL objects alive";
    if (newContext) {
      context.reset();
      context = std::make_unique<HeadlessContext>();
      ASSERT_TRUE(context->Create()) << context->error();
    }
    ASSERT_TRUE(device.OnDeviceReset().ok) << "loss " << n;
    MakeWindow();
    if (newContext) app->OnDeviceCreated(device, {kWidth, kHeight});
    app->OnDeviceReset(device, {kWidth, kHeight});
  }

  void LoseDuringAPageTurn(int n) {
    const bool lastSpread = app->spread().CurrentPage + 2 >= BookLayout::SpreadCount(app->photoCount()) * 2;
    app->OnMessage({WindowMessage::Kind::KeyDown, 0, lastSpread ? VirtualKey::PageUp : VirtualKey::PageDown, 0, 0});
    Frame();
    Frame();
    ASSERT_TRUE(app->spread().TransitionRunning()) << "loss " << n;
    LoseTheDevice(n);
  }

  // An export runs a few frames; the loss ends it with its report and a movie that plays.
  void LoseDuringAnExport(int n) {
    const std::u16string path = movies / (u"tour" + std::u16string(1, static_cast<char16_t>(u'a' + n % 26)) + u".avi");
    app->BeginExport(driver.StartExport(path));
    ASSERT_EQ(app->mode(), AppMode::Exporting) << "loss " << n;
    for (int frame = 0; frame < 2 + n % 5; ++frame) Frame();
    const size_t reports = library.Texts().size();
    LoseTheDevice(n);
    EXPECT_EQ(app->mode(), AppMode::Browsing);
    ASSERT_EQ(library.Texts().size(), reports + 1) << "loss " << n;
    EXPECT_NE(library.Texts().back().find("Frames stored:\t"), std::string::npos) << library.Texts().back();
    if (n < 4) {
      EXPECT_EQ(DecodingErrors(path), "") << "loss " << n;
    }
  }

  std::unique_ptr<HeadlessContext> context;
  GLDevice device;
  std::unique_ptr<HeadlessWindow> window;
  std::unique_ptr<PhotoBookApp> app = std::make_unique<PhotoBookApp>(services);
  ExportDriver driver{*app, library, [] { return PixelSize{1920, 1080}; }};
};

TEST_F(DeviceLossSoakGLTest, EveryLossDuringTurnsAndExportsReleasesEverythingAndThePhotosAreShownAgain) {
  // Before any loss: where each spread's photos are seen at rest.
  std::map<int, PhotoRegions> seenAtRest;  // by CurrentPage
  for (int spread = 0; spread < BookLayout::SpreadCount(kPhotoCount); ++spread) {
    RunToRest();
    PhotoRegions& regions = seenAtRest[app->spread().CurrentPage];
    regions = RegionsOf(Window());
    DumpPpm(Window(), "/tmp/wt19-ref" + std::to_string(spread) + ".ppm");
    const size_t photosShown = spread == 0 ? 2 : 4;
    ASSERT_EQ(regions.size(), photosShown) << "spread " << spread;
    for (const auto& [hue, pixels] : regions) ASSERT_GE(pixels.size(), 40u) << "spread " << spread;
    if (spread + 1 < BookLayout::SpreadCount(kPhotoCount))
      app->OnMessage({WindowMessage::Kind::KeyDown, 0, VirtualKey::PageDown, 0, 0});
  }
  // What each spread holds at rest once the book has been through a loss of each kind: exports
  // leave their own objects, so the counts are taken after the first of them.
  std::map<int, std::pair<int, int>> objectsAtRest;  // by CurrentPage: resources, OpenGL objects
  const int losses = LossCount();
  const long residentBefore = ResidentKilobytes();
  const auto start = std::chrono::steady_clock::now();
  for (int n = 0; n < losses; ++n) {
    if (n % 2 == 0) {
      LoseDuringAPageTurn(n);
    } else {
      LoseDuringAnExport(n);
    }
    if (HasFatalFailure()) return;
    // An export leaves the camera where its tour ended; the photos are looked for from the front.
    app->OnMessage({WindowMessage::Kind::KeyDown, 0, VirtualKey::F1, 0, 0});
    EXPECT_LT(RunToRest(), 1000) << "loss " << n;
    const std::vector<uint32_t> shown = Window();
    DumpPpm(shown, "/tmp/wt19-loss" + std::to_string(n) + ".ppm");
    for (const auto& [hue, pixels] : seenAtRest[app->spread().CurrentPage]) {
      size_t same = 0;
      for (int i : pixels) same += HueOf(shown[i]) == hue ? 1 : 0;
      EXPECT_EQ(same, pixels.size()) << "a photo was not shown again after loss " << n;
    }
    const std::pair<int, int> objects{device.LiveResources(), LiveGLObjects()};
    if (n == 0) continue;
    const auto [known, added] = objectsAtRest.emplace(app->spread().CurrentPage, objects);
    EXPECT_EQ(known->second, objects) << "loss " << n << " changed what is alive at rest (resources, OpenGL objects)";
  }
  EXPECT_EQ(library.Errors(), 0);
  // llvmpipe keeps what its shader compiler allocates, so the leak check of a long run is the
  // resident memory, which must not grow with the losses.
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "device losses on OpenGL: " << losses << " in " << seconds << " s, resident memory "
            << residentBefore / 1024 << " MB before, " << ResidentKilobytes() / 1024 << " MB after\n";
}

}  // namespace
