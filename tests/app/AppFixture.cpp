#include "app/AppFixture.h"

#include "app/BookTextures.h"
#include "book/CameraAnimator.h"
#include "platform/sys/FileSystem.h"

namespace {

// An uncompressed 24-bit TGA of 8 x 8 grey pixels, origin top-left.
std::string SmallTga() {
  std::string bytes(18, '\0');
  bytes[2] = 2;
  bytes[12] = 8;
  bytes[14] = 8;
  bytes[16] = 24;
  bytes[17] = 0x20;
  return bytes + std::string(8 * 8 * 3, '\x80');
}

std::u16string TwoDigits(int n) { return {char16_t(u'0' + n / 10), char16_t(u'0' + n % 10)}; }

}  // namespace

AppFixture::AppFixture() { app = std::make_unique<PhotoBookApp>(Services()); }

AppServices AppFixture::Services() {
  SettingsEnvironment environment{program.path(), 1024, 768, program.path()};
  return {framework,
          menu,
          messages,
          dialogs,
          popup,
          colours,
          about,
          web,
          settingsDialogs,
          &exporter,
          environment,
          [this] { return now; },
          [this] {
            return ClientSizeState{640, 480, false, 0, 0};
          },
          u"guide.html"};
}

void AppFixture::Start() {
  ASSERT_TRUE(app->Init());
  app->UpdateMenus();
  const PixelSize size{640, 480};
  app->OnDeviceCreated(device, size);
  app->OnDeviceReset(device, size);
  app->OpenInitialFolder();
}

void AppFixture::Frame(uint32_t step) {
  now += step;
  app->OnFrameMove(0, 0);
  app->OnFrameRender(device, 0, 0);
}

int AppFixture::RunToRest() {
  int frames = 0;
  auto moving = [this] {
    return spread().TransitionRunning() || app->camera().IsMoving() ||
           app->textures().window().PhotosLoading(app->photoCount(), spread().CurrentPage);
  };
  do {
    Frame();
    ++frames;
  } while (moving() && frames < 1000);
  return frames;
}

std::u16string AppFixture::WritePhotos(int count) {
  const std::u16string folder = photoFolder / (u"f" + TwoDigits(photoFolders_++));
  MakeFolder(folder);
  for (int i = 0; i < count; ++i) WriteBytes(folder + u"/p" + TwoDigits(i) + u".tga", SmallTga());
  return folder + u"/p00.tga";
}

void AppFixture::OpenPhotos(int count) { ASSERT_TRUE(app->OpenFolder(WritePhotos(count))); }

int AppFixture::LoadedSlots() {
  int loaded = 0;
  for (int k = 0; k < TextureWindow::kSlotCount; ++k) loaded += app->textures().Slot(k).HasTexture() ? 1 : 0;
  return loaded;
}
