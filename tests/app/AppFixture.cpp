#include "app/AppFixture.h"

#include "app/BookTextures.h"
#include "book/CameraAnimator.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/StringConvert.h"
#include "support/TestPhotos.h"

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
          u"guide.html",
          u""};
}

void AppFixture::Start(const std::u16string& startPath) {
  ASSERT_TRUE(app->Init());
  app->UpdateMenus();
  const PixelSize size{640, 480};
  // As the framework does: the device draws into the whole client area.
  device.SetViewport({size.width, size.height});
  app->OnDeviceCreated(device, size);
  app->OnDeviceReset(device, size);
  app->OpenInitialFolder(startPath);
}

// Photos asked for in one frame are decoded before the next, so that frames load as on a machine
// that decodes fast.
void AppFixture::Frame(uint32_t step) {
  now += step;
  app->textures().FinishDecoding();
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
  const std::u16string folder = photoFolder / (u"f" + FromUtf8(std::to_string(photoFolders_++)));
  MakeFolder(folder);
  WriteSmallPhotos(folder, count);
  return folder + u"/p00.tga";
}

void AppFixture::OpenPhotos(int count) { ASSERT_TRUE(app->OpenFolder(WritePhotos(count))); }

int AppFixture::LoadedSlots() {
  int loaded = 0;
  for (int k = 0; k < TextureWindow::kSlotCount; ++k) loaded += app->textures().Slot(k).HasTexture() ? 1 : 0;
  return loaded;
}
