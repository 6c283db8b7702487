// Times photo loading as the program does it, on the headless device at 1280 x 720, with a folder
// of 24 phone and camera photos of 4000 x 3000 made at start (JPEGs with EXIF orientation tags,
// HEIC in tiles of 512 x 512 as phones store it, and WebP), decoded on worker threads and
// uploaded one texture a frame:
// - the first spread: from an empty texture window until the open spread's four photos are all
//   shown, filling and drawing frame after frame, against the four photos' plain decodes one
//   after another on this thread (the whole picture read by Qt or libheif, as any viewer reads
//   it, a HEIC's tiles one after another), measured in the same run (target: at most 0.7
//   times); and, for comparison, against the program's own decodings (at the texture's size,
//   with its mip levels) one after another;
// - page turns while photos load: forward turns paced as a reader paging on quickly, too fast for
//   every photo to arrive; the longest frame from the first turn on (page, interleaf, or rest
//   with its upload), against the median frame where a leaf turns in the same page turns with
//   every photo loaded (target: at most 2 times). Decoding waits while a frame where a leaf
//   turns is drawn, as in the program. As in the program with its default settings, the
//   interleaf lies over the right page after a turn and turns over on its own before the next
//   page turn can begin; photos load only at rest.
//   Beside it, how far the figure goes without any loading: the same turns with every photo
//   loaded timed once more, their longest frame against the first such run's median; and a
//   fixed workload as long as that median frame, paced alike: how far this machine alone
//   stretches a frame.
// Frames are paced at 60 a second, as a display's vertical sync paces the program's; a frame's
// time is its own work, without the wait.
// photo_load_benchmark [worker threads [photo folder]]: the program's own thread count by default;
// a folder that already holds the 24 photos is used as it is, so later runs start at once.

#include <epoxy/gl.h>
#include <libheif/heif.h>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "book/BookLayout.h"
#include "book/BookScene.h"
#include "book/CameraAnimator.h"
#include "book/FullTurn.h"
#include "book/PhotoLoader.h"
#include "book/PhotoTexture.h"
#include "book/SceneRenderer.h"
#include "book/TextureWindow.h"
#include "photos/PhotoEntry.h"
#include "platform/gfx/GLDevice.h"
#include "platform/gfx/HeadlessContext.h"
#include "platform/gfx/HeifTestFiles.h"
#include "platform/sys/FrameGate.h"
#include "platform/sys/WorkerPool.h"
#include "settings/Settings.h"
#include "support/ExifBytes.h"

namespace {

constexpr int kPhotoCount = 24;
constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;
constexpr int kPhoneTileSize = 512;  // HEIC photos are stored in tiles, as phones store them
constexpr int kFirstPage = 1;  // the spread showing photos 0 to 3: four photos, not two
constexpr int kFramesPerTurn = 60;
constexpr int kRestFrames = 12;  // between turns: a reader paging on quickly
// A turn shows the next spread, two pages on; five turns reach the last of the 24 photos.
constexpr int kPagesPerTurn = 2;
constexpr int kTurns = 5;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for the next sixtieth of a second, as a frame waits for the vertical sync; a late frame
// starts the count again rather than rushing the ones after it.
class SixtyHertz {
 public:
  void Wait() {
    next_ += std::chrono::microseconds(16667);
    const auto now = Clock::now();
    if (next_ > now)
      std::this_thread::sleep_until(next_);
    else
      next_ = now;
  }

 private:
  Clock::time_point next_ = Clock::now();
};

// Smooth colour fields with grain, so that files have the size and decoding cost of real photos.
QImage PhotoLikePicture(int seed) {
  QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> grain(-12, 12);
  for (int y = 0; y < kPhotoHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kPhotoWidth; ++x) {
      const double wave = std::sin(x * 0.004 + seed) * std::cos(y * 0.006);
      const int red = static_cast<int>(128 + 100 * wave) + grain(random);
      const int green = x * 255 / kPhotoWidth + grain(random);
      const int blue = y * 255 / kPhotoHeight + grain(random);
      row[x] = qRgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
    }
  }
  return image;
}

std::string Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(90);
  return writer.write(image) ? bytes.toStdString() : std::string();
}

// Photo k: a JPEG with an orientation tag, a HEIC, a WebP or a plain JPEG, in turn, so that the
// first spread holds one of each.
std::string PhotoName(int k) {
  static const char* const kExtensions[] = {".jpg", ".heic", ".webp", ".jpg"};
  char name[32];
  std::snprintf(name, sizeof name, "p%02d%s", k, kExtensions[k % 4]);
  return name;
}

std::string PhotoBytes(int k) {
  const QImage picture = PhotoLikePicture(k);
  switch (k % 4) {
    case 0:
      return JpegWithOrientation(Encoded(picture, "jpeg"), 1 + (k / 4) % 8);
    case 1:
      return EncodeHeifGrid(picture, kPhoneTileSize);
    case 2:
      return Encoded(picture, "webp");
    default:
      return Encoded(picture, "jpeg");
  }
}

bool MakePhotos(const QString& folder, std::vector<PhotoEntry>& photos) {
  for (int k = 0; k < kPhotoCount; ++k) {
    const QString path = QDir(folder).filePath(QString::fromStdString(PhotoName(k)));
    if (!QFileInfo::exists(path)) {
      const std::string bytes = PhotoBytes(k);
      if (bytes.empty()) {
        std::printf("cannot encode %s\n", qPrintable(path));
        return false;
      }
      std::ofstream(path.toStdString(), std::ios::binary)
          .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    PhotoEntry entry;
    entry.path = path.toStdU16String();
    photos.push_back(entry);
  }
  return true;
}

// The twelve slots of the texture window, decoded on a pool of workers as in the program.
class PhotoWindow {
 public:
  PhotoWindow(GraphicsDevice& device, int workers)
      : pool_(workers), loader_([this](std::function<void()> task) { pool_.Post(std::move(task)); }) {
    std::array<TextureHolder*, TextureWindow::kSlotCount> holders{};
    for (int k = 0; k < TextureWindow::kSlotCount; ++k) {
      slots_[k] = std::make_unique<PhotoTexture>(&device, nullptr);
      holders[k] = slots_[k].get();
    }
    window_ = std::make_unique<TextureWindow>(holders);
    window_->SetLoader(&loader_);
  }
  ~PhotoWindow() { window_->EmptyAll(); }

  TextureWindow& window() { return *window_; }
  bool OpenSpreadShown() const {
    return std::all_of(slots_.begin() + 4, slots_.begin() + 8, [](const auto& slot) { return slot->HasTexture(); });
  }
  SceneTextures Gather(const SceneTextures& surfaces) const {
    SceneTextures textures = surfaces;
    for (int k = 0; k < TextureWindow::kSlotCount; ++k) {
      const PhotoTexture& slot = *slots_[k];
      textures.slots[k] = {slot.texture(), slot.imageSize().width, slot.imageSize().height, 0, slot.PhotoIndex()};
    }
    return textures;
  }

 private:
  WorkerPool pool_;
  PhotoLoader loader_;
  std::array<std::unique_ptr<PhotoTexture>, TextureWindow::kSlotCount> slots_;
  std::unique_ptr<TextureWindow> window_;
};

// The book drawn as the program draws it, frame by frame, each frame waited for.
class BookFrames {
 public:
  BookFrames(GLDevice& device, RenderTarget& target)
      : settings_(SettingsEnvironment{u"/nonexistent/program", 1920, 1080, u"/nonexistent/movies"}),
        camera_(settings_),
        context_(&device),
        renderer_(context_, scene_, settings_, camera_) {
    settings_.RenderShadows = false;
    inputs_.clientWidth = target.width();
    inputs_.clientHeight = target.height();
    inputs_.lightPosition = {-200, 200, 50};
    inputs_.target = &target;
  }
  ~BookFrames() { scene_.ReleaseDeviceResources(); }

  // A frame of a page turn (turnDirection, turnProgress) or of the interleaf alone (leafDirection),
  // the interleaf at leafPosition.
  bool Draw(const SceneTextures& textures, int turnDirection, float turnProgress, int leafDirection = 0,
            float leafPosition = 0, std::optional<AheadFrame> ahead = std::nullopt) {
    inputs_.turnDirection = turnDirection;
    inputs_.turnProgress = turnProgress;
    inputs_.leafDirection = leafDirection;
    inputs_.leafPosition = leafPosition;
    inputs_.ahead = ahead;
    const bool drawn = renderer_.RenderFrame(inputs_, textures);
    glFinish();
    return drawn;
  }

 private:
  Settings settings_;
  CameraAnimator camera_;
  BookScene scene_;
  RenderContext context_;
  SceneRenderer renderer_;
  SceneFrameInputs inputs_;
};

struct Run {
  GLDevice& device;
  RenderTarget& target;
  const std::vector<PhotoEntry>& photos;
  const SceneTextures& surfaces;
  int workers;
};

int PhotoCount(const Run& run) { return static_cast<int>(run.photos.size()); }

// Milliseconds from an empty window until the open spread's four photos are shown.
double TimeFirstSpread(const Run& run) {
  PhotoWindow photos(run.device, run.workers);
  BookFrames frames(run.device, run.target);
  SixtyHertz vsync;
  const auto start = Clock::now();
  while (!photos.OpenSpreadShown()) {
    photos.window().FillSlots(run.photos, PhotoCount(run), kFirstPage, TextureWindow::FillMode::Incremental);
    frames.Draw(photos.Gather(run.surfaces), 0, 0);
    vsync.Wait();
  }
  return MillisecondsSince(start);
}

// The whole picture, as a viewer with no size in mind reads it; false when it cannot be read.
bool PlainDecode(const std::u16string& path) {
  const QString name = QString::fromStdU16String(path);
  if (!name.endsWith(".heic")) return !QImageReader(name).read().isNull();
  heif_context* context = heif_context_alloc();
  heif_context_set_max_decoding_threads(context, 0);  // one tile after another, on this thread
  heif_image_handle* handle = nullptr;
  heif_image* image = nullptr;
  bool decoded = heif_context_read_from_file(context, name.toStdString().c_str(), nullptr).code == heif_error_Ok &&
                 heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok &&
                 heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr).code ==
                     heif_error_Ok;
  heif_image_release(image);
  heif_image_handle_release(handle);
  heif_context_free(context);
  return decoded;
}

// The open spread's photo of slot.
std::u16string SpreadPhoto(const Run& run, int slot) {
  return run.photos[BookLayout::SlotPhotoIndex(kFirstPage, slot)].path;
}

// Each photo's name and time, so that the report says which photo the time goes to.
std::string Breakdown(const Run& run, const std::array<double, 4>& times) {
  std::string text;
  for (int k = 0; k < 4; ++k) {
    const QString name = QFileInfo(QString::fromStdU16String(SpreadPhoto(run, 4 + k))).fileName();
    text += (k ? ", " : "") + name.toStdString() + " " + std::to_string(static_cast<int>(times[k] + 0.5)) + " ms";
  }
  return text;
}

double TimePlainDecodes(const Run& run, std::array<double, 4>& times) {
  for (int slot = 4; slot < 8; ++slot) {
    const auto start = Clock::now();
    if (!PlainDecode(SpreadPhoto(run, slot))) std::printf("photo of slot %d not read\n", slot);
    times[slot - 4] = MillisecondsSince(start);
  }
  return times[0] + times[1] + times[2] + times[3];
}

// The open spread's four decodes, one after another on this thread, as the slots make them.
double TimeSerialDecodes(const Run& run, std::array<double, 4>& times) {
  PhotoTexture texture(&run.device, nullptr);
  for (int slot = 4; slot < 8; ++slot) {
    const auto start = Clock::now();
    const DecodedPhoto photo = texture.PrepareDecode(SpreadPhoto(run, slot))();
    if (!photo.decoded) std::printf("photo of slot %d not decoded\n", slot);
    times[slot - 4] = MillisecondsSince(start);
  }
  return times[0] + times[1] + times[2] + times[3];
}

struct TurnFigures {
  double medianMs = 0;
  double worstMs = 0;
  int uploadsDuringRun = 0;
  double worstUploadMs = 0;  // the longest frame that created a texture
  std::string longest;       // the five longest frames and what they did
};

struct TimedFrame {
  double ms = 0;
  std::string what;
};

// kTurns forward turns from kFirstPage as the program makes them with the interleaf shown: each
// page turn begins with the interleaf turned to the left and ends with the one of the spread
// coming into view over its right page; after kRestFrames frames at rest that interleaf turns
// over on its own, and kRestFrames more at rest follow. At rest the window is filled as in the
// program. With preload, every photo is loaded before each turn and only the frames where a leaf
// turns (the page, then the interleaf) are timed.
TurnFigures TimeTurns(const Run& run, bool preload) {
  PhotoWindow photos(run.device, run.workers);
  BookFrames frames(run.device, run.target);
  TextureWindow& window = photos.window();
  std::vector<TimedFrame> times;
  TurnFigures figures;
  SixtyHertz vsync;
  // Both runs are timed from the first page turn on: before it, the book is being opened, with
  // the renderer's first frames drawn whole, which the first spread's figure covers.
  bool turnsBegun = false;
  const auto frame = [&](const std::string& what, bool leafTurns, const std::function<bool()>& draw) {
    const auto start = Clock::now();
    std::optional<FrameGate::Closed> decodingHeld;  // as the program holds them while a leaf turns
    if (leafTurns) decodingHeld.emplace(FrameGate::Shared());
    const bool uploaded = draw();
    decodingHeld.reset();
    const double ms = MillisecondsSince(start);
    if (leafTurns || (!preload && turnsBegun)) times.push_back({ms, what + (uploaded ? " with upload" : "")});
    figures.uploadsDuringRun += uploaded;
    if (uploaded) figures.worstUploadMs = std::max(figures.worstUploadMs, ms);
    vsync.Wait();
  };
  // As in the program, the still part of what comes next is prepared ahead: at rest what the
  // next page key starts, during a turn the rest after it.
  SceneTextures textures, next;
  const auto rest = [&](int page, float leafPosition) {
    for (int k = 0; k < kRestFrames; ++k) {
      frame("rest", false, [&] {
        const bool uploaded =
            !preload && window.FillSlots(run.photos, PhotoCount(run), page, TextureWindow::FillMode::Incremental);
        textures = photos.Gather(run.surfaces);
        next = leafPosition == 0 ? textures : ShiftedForward(textures);
        const AheadFrame ahead = leafPosition == 0 ? AheadFrame{0, 0, 1, 0, &next} : AheadFrame{1, 0, 0, 0, &next};
        frames.Draw(textures, 0, 0, 0, leafPosition, ahead);
        return uploaded;
      });
    }
  };
  window.FillSlots(run.photos, PhotoCount(run), kFirstPage, TextureWindow::FillMode::Full);
  for (int turn = 0; turn < kTurns; ++turn) {
    const int page = kFirstPage + kPagesPerTurn * turn;
    if (preload) window.FillSlots(run.photos, PhotoCount(run), page, TextureWindow::FillMode::Full);
    rest(page, FullTurn);
    window.ShiftForward();
    turnsBegun = true;
    for (int k = 0; k < kFramesPerTurn; ++k) {
      frame("turn frame " + std::to_string(k), true, [&] {
        textures = photos.Gather(run.surfaces);
        frames.Draw(textures, 1, FullTurn * static_cast<float>(k) / kFramesPerTurn, 0, 0,
                    AheadFrame{0, FullTurn, 0, 0, &textures});
        return false;
      });
    }
    rest(page + kPagesPerTurn, 0);
    for (int k = 0; k < kFramesPerTurn; ++k) {
      frame("interleaf frame " + std::to_string(k), true, [&] {
        textures = photos.Gather(run.surfaces);
        frames.Draw(textures, 0, 0, 1, FullTurn * static_cast<float>(k) / kFramesPerTurn,
                    AheadFrame{0, 0, 0, FullTurn, &textures});
        return false;
      });
    }
  }
  std::sort(times.begin(), times.end(), [](const TimedFrame& a, const TimedFrame& b) { return a.ms < b.ms; });
  figures.medianMs = times[times.size() / 2].ms;
  figures.worstMs = times.back().ms;
  for (size_t k = 0; k < 5 && k < times.size(); ++k) {
    const TimedFrame& frame = times[times.size() - 1 - k];
    figures.longest += (k ? ", " : "") + std::to_string(static_cast<int>(frame.ms + 0.5)) + " ms " + frame.what;
  }
  return figures;
}

void ReportFirstSpread(const Run& run) {
  for (int round = 0; round < 3; ++round) {
    const double shown = TimeFirstSpread(run);
    std::array<double, 4> plainTimes{};
    std::array<double, 4> ownTimes{};
    const double plain = TimePlainDecodes(run, plainTimes);
    const double own = TimeSerialDecodes(run, ownTimes);
    std::printf(
        "first spread shown after %.0f ms; its four plain decodes one after another %.0f ms (ratio %.2f), "
        "the program's own %.0f ms (ratio %.2f)\n",
        shown, plain, shown / plain, own, shown / own);
    if (round == 0) {
      std::printf("  plain: %s\n", Breakdown(run, plainTimes).c_str());
      std::printf("  own:   %s\n", Breakdown(run, ownTimes).c_str());
    }
  }
}

// The same work every frame, as long as the median frame, paced and counted as the turn frames:
// how far this machine alone stretches a frame (its scheduling and clock), against which the
// turns' longest frame can be read.
double FixedWorkLongestToMedian(double frameMs, int frames) {
  volatile double sink = 0;
  const auto work = [&](int64_t steps) {
    for (int64_t k = 0; k < steps; ++k) sink = sink + static_cast<double>(k) * 0.5;
  };
  int64_t steps = 1 << 16;
  double stepsMs = 0;
  while (stepsMs < std::max(frameMs, 0.1)) {
    steps *= 2;
    const auto start = Clock::now();
    work(steps);
    stepsMs = MillisecondsSince(start);
  }
  steps = static_cast<int64_t>(static_cast<double>(steps) * frameMs / stepsMs);
  std::vector<double> times;
  SixtyHertz vsync;
  for (int k = 0; k < frames; ++k) {
    const auto start = Clock::now();
    work(steps);
    times.push_back(MillisecondsSince(start));
    vsync.Wait();
  }
  std::sort(times.begin(), times.end());
  return times.back() / times[times.size() / 2];
}

void ReportTurns(const Run& run) {
  const TurnFigures loaded = TimeTurns(run, true);
  const TurnFigures loading = TimeTurns(run, false);
  std::printf("turns with every photo loaded: median frame %.2f ms, longest %.2f ms (%s)\n", loaded.medianMs,
              loaded.worstMs, loaded.longest.c_str());
  std::printf(
      "turns while photos load (%d uploads): median frame %.2f ms, longest %.2f ms; longest / loaded median %.2f\n",
      loading.uploadsDuringRun, loading.medianMs, loading.worstMs, loading.worstMs / loaded.medianMs);
  std::printf("  longest while loading: %s\n", loading.longest.c_str());
  std::printf("  longest frame with an upload %.2f ms; / loaded median %.2f\n", loading.worstUploadMs,
              loading.worstUploadMs / loaded.medianMs);
  const TurnFigures loadedAgain = TimeTurns(run, true);
  std::printf("the same turns with every photo loaded once more: longest %.2f ms; / first loaded median %.2f\n",
              loadedAgain.worstMs, loadedAgain.worstMs / loaded.medianMs);
  std::printf("a fixed workload of %.2f ms a frame, %d frames paced alike: longest / median %.2f\n", loaded.medianMs,
              kTurns * kFramesPerTurn, FixedWorkLongestToMedian(loaded.medianMs, kTurns * kFramesPerTurn));
}

bool LoadSurfaces(PhotoTexture& background, PhotoTexture& paper, SceneTextures& textures) {
  const std::u16string data = u"" PAGEWING_DATA_DIR;
  if (!background.Load(data + u"/textures/Background.jpg", -1) ||
      !paper.Load(data + u"/textures/TransparentPaper.jpg", -1))
    return false;
  textures.background = background.texture();
  textures.transparentPaper = paper.texture();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int workers = argc > 1 ? std::atoi(argv[1]) : WorkerPool::DefaultThreadCount();
  QTemporaryDir temporary;
  const QString folder = argc > 2 ? QString(argv[2]) : temporary.path();
  std::vector<PhotoEntry> photos;
  if (!QDir().mkpath(folder) || !MakePhotos(folder, photos)) return 1;
  HeadlessContext context;
  if (!context.Create()) {
    std::printf("no headless context: %s\n", context.error().c_str());
    return 1;
  }
  GLDevice device;
  const DeviceStatus status = device.Create();
  std::unique_ptr<RenderTarget> target = status.ok ? device.CreateRenderTarget(1280, 720) : nullptr;
  PhotoTexture background(&device, nullptr);
  PhotoTexture paper(&device, nullptr);
  SceneTextures surfaceTextures;
  if (target == nullptr || !LoadSurfaces(background, paper, surfaceTextures)) {
    std::printf("no device, target or surface textures\n");
    return 1;
  }
  std::printf("%s, 1280 x 720, %d photos of %d x %d in %s, %d decoding thread(s)\n", context.Renderer().c_str(),
              kPhotoCount, kPhotoWidth, kPhotoHeight, qPrintable(folder), std::max(workers, 1));
  const Run run{device, *target, photos, surfaceTextures, workers};
  ReportFirstSpread(run);
  ReportTurns(run);
  return 0;
}
