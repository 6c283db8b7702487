// Times PhotoTexture loads of a 4000 x 3000 JPEG photo at each Quality (0, 1, 2) on the headless
// OpenGL device and, in the same run, a plain QImageReader decode of the same file at the same
// size: the plain decode is what reading the photo at all costs, so the ratio says how much the
// texture's own work (header read, exact resizing, mip chain, upload) adds to it.

#include <epoxy/gl.h>

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "book/PhotoTexture.h"
#include "platform/gfx/GLDevice.h"
#include "platform/gfx/HeadlessContext.h"

namespace {

constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;
constexpr int kJpegQuality = 90;
constexpr int kRuns = 15;

struct Timing {
  double fastest = 0;
  double median = 0;
};

Timing Summary(std::vector<double> runs) {
  std::sort(runs.begin(), runs.end());
  return {runs.front(), runs[runs.size() / 2]};
}

template <typename Work>
double Milliseconds(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Runs each work once to warm up and then kRuns times, taking turns, so that other load on the
// machine falls on both alike; milliseconds.
template <typename First, typename Second>
std::pair<Timing, Timing> TimeInTurns(First first, Second second) {
  first();
  second();
  std::vector<double> firstRuns, secondRuns;
  for (int i = 0; i < kRuns; ++i) {
    firstRuns.push_back(Milliseconds(first));
    secondRuns.push_back(Milliseconds(second));
  }
  return {Summary(std::move(firstRuns)), Summary(std::move(secondRuns))};
}

// Smooth colour fields with grain on top, so the file has the detail and size of a real photo
// (a flat picture would decode unrealistically fast).
QImage PhotoLikePicture() {
  QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
  std::mt19937 random(11);
  std::uniform_int_distribution<int> grain(-12, 12);
  for (int y = 0; y < kPhotoHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kPhotoWidth; ++x) {
      const double wave = std::sin(x * 0.004) * std::cos(y * 0.006);
      const int red = static_cast<int>(128 + 100 * wave) + grain(random);
      const int green = static_cast<int>(x * 255 / kPhotoWidth) + grain(random);
      const int blue = static_cast<int>(y * 255 / kPhotoHeight) + grain(random);
      row[x] = qRgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
    }
  }
  return image;
}

bool WritePhoto(const QString& path) {
  QImageWriter writer(path, "jpeg");
  writer.setQuality(kJpegQuality);
  if (writer.write(PhotoLikePicture())) return true;
  std::printf("cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
  return false;
}

// Loads a fresh texture; glFinish makes the upload part of the time.
bool LoadTexture(PhotoTexture& texture, const std::u16string& path) {
  texture.ReleaseTexture();
  const bool loaded = texture.Load(path, 0);
  glFinish();
  return loaded;
}

bool PlainDecode(const QString& path, PixelSize size) {
  QImageReader reader(path, "jpeg");
  reader.setScaledSize({size.width, size.height});
  return !reader.read().isNull();
}

bool Measure(GraphicsDevice& device, const QString& path, int quality) {
  PhotoTexture texture(&device, [quality] { return quality; });
  const std::u16string photo = path.toStdU16String();
  if (!LoadTexture(texture, photo)) {
    std::printf("quality %d: the texture did not load\n", quality);
    return false;
  }
  const PixelSize size = texture.textureSize();
  bool ok = true;
  const auto [load, decode] =
      TimeInTurns([&] { ok = LoadTexture(texture, photo) && ok; }, [&] { ok = PlainDecode(path, size) && ok; });
  std::printf(
      "quality %d (%d x %d -> %d x %d): PhotoTexture %.1f ms (median %.1f), QImageReader %.1f ms (median %.1f), "
      "ratio %.2f\n",
      quality, kPhotoWidth, kPhotoHeight, size.width, size.height, load.fastest, load.median, decode.fastest,
      decode.median, load.median / decode.median);
  return ok;
}

}  // namespace

int main() {
  HeadlessContext context;
  if (!context.Create()) {
    std::printf("no headless OpenGL context: %s\n", context.error().c_str());
    return 1;
  }
  GLDevice device;
  if (const DeviceStatus status = device.Create(); !status.ok) {
    std::printf("no device: %s\n", status.message.c_str());
    return 1;
  }
  QTemporaryDir folder;
  const QString path = folder.filePath("photo.jpg");
  if (!folder.isValid() || !WritePhoto(path)) return 1;
  std::printf("%s, %d x %d JPEG at writer quality %d, %.1f MB\n", context.Renderer().c_str(), kPhotoWidth, kPhotoHeight,
              kJpegQuality, static_cast<double>(QFileInfo(path).size()) / 1e6);
  bool ok = true;
  for (int quality : {0, 1, 2}) ok = Measure(device, path, quality) && ok;
  return ok ? 0 : 1;
}
