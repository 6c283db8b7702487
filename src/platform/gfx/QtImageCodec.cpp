#include "platform/gfx/QtImageCodec.h"

#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <climits>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <utility>

#include "platform/gfx/GatedByteDevice.h"
#include "platform/gfx/JpegDecodeSize.h"
#include "platform/gfx/TriangleFilter.h"

namespace {

QByteArray QtFormat(ImageFileFormat format) {
  switch (format) {
    case ImageFileFormat::Bmp:
      return "bmp";
    case ImageFileFormat::Jpg:
      return "jpeg";
    case ImageFileFormat::Webp:
      return "webp";
    case ImageFileFormat::Tiff:
      return "tiff";
    default:
      return "png";
  }
}

// Room for a picture of maxSide x maxSide at 8 bytes a pixel (16-bit PNG files decode so), in
// whole megabytes as the readers count them.
int MegabytesFor(int maxSide) {
  const int64_t bytes = static_cast<int64_t>(maxSide) * maxSide * 8;
  const int64_t megabytes = (bytes + (1 << 20) - 1) >> 20;
  return static_cast<int>(std::min<int64_t>(megabytes, INT_MAX));
}

// The readers' allocation limit is one setting for the whole process while photos decode on
// several threads at once: each decoding holds it shared, and it changes only while none runs.
std::shared_mutex& LimitMutex() {
  static std::shared_mutex mutex;
  return mutex;
}

std::shared_lock<std::shared_mutex> HoldLimitOf(int maxSide) {
  const int megabytes = MegabytesFor(maxSide);
  for (;;) {
    std::shared_lock<std::shared_mutex> shared(LimitMutex());
    if (QImageReader::allocationLimit() == megabytes) return shared;
    shared.unlock();
    std::lock_guard<std::shared_mutex> sole(LimitMutex());
    QImageReader::setAllocationLimit(megabytes);
  }
}

ImageStatus Corrupt(const QImageReader& reader) {
  return ImageStatus::Failure(ImageStatus::Kind::Corrupt,
                              "cannot decode the image: " + reader.errorString().toStdString());
}

PixelView ViewOf(const QImage& image) {
  return {image.constBits(), image.width(), image.height(), static_cast<std::ptrdiff_t>(image.bytesPerLine())};
}

// When no resizing follows and the reader delivers 32-bit words with the layout of PixelImage
// anyway, it decodes into an image over direct's memory: Qt's readers fill an image of the
// right size and format in place, which saves allocating and copying the whole picture again.
// Otherwise a null image, which the reader replaces by one of its own.
QImage DirectTarget(QImageReader& reader, PixelSize size, PixelImage& direct) {
  const QImage::Format format = reader.imageFormat();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32) return {};
  direct = PixelImage(size.width, size.height);
  return QImage(reinterpret_cast<uchar*>(direct.texels.data()), size.width, size.height, size.width * 4, format);
}

// Whether the reader filled direct's memory rather than an image of its own.
bool DecodedInto(const QImage& image, const PixelImage& direct) {
  return !direct.IsEmpty() && image.constBits() == reinterpret_cast<const uchar*>(direct.texels.data()) &&
         image.width() == direct.width && image.height() == direct.height &&
         (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32);
}

}  // namespace

ImageStatus ReadQtImageInfo(const std::u16string& path, ImageFileFormat format, ImageInfo& info) {
  QImageReader reader(QString::fromStdU16String(path), QtFormat(format));
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty()) {
    return ImageStatus::Failure(ImageStatus::Kind::Corrupt, "cannot read the image header");
  }
  info = {size.width(), size.height(), format};
  return {};
}

ImageStatus DecodeQtImage(std::string bytes, const ImageInfo& info, PixelSize size, int maxSide, PixelImage& pixels) {
  PixelSize decodeSize{info.width, info.height};
  if (info.format == ImageFileFormat::Jpg) {
    const std::optional<PixelSize> reduced = JpegDecodeSize(decodeSize, size, maxSide);
    if (!reduced) return ImageStatus::Failure(ImageStatus::Kind::TooLarge, "the picture is too large to decode");
    decodeSize = *reduced;
  }
  GatedByteDevice device(bytes);
  QImageReader reader(&device, QtFormat(info.format));
  reader.setAutoTransform(false);
  if (decodeSize != PixelSize{info.width, info.height}) reader.setScaledSize({decodeSize.width, decodeSize.height});
  const std::shared_lock<std::shared_mutex> limit = HoldLimitOf(maxSide);
  PixelImage direct;
  QImage image = decodeSize == size ? DirectTarget(reader, size, direct) : QImage();
  if (!reader.read(&image)) return Corrupt(reader);
  std::string().swap(bytes);
  if (DecodedInto(image, direct)) {
    pixels = std::move(direct);
    return {};
  }
  image.convertTo(QImage::Format_ARGB32);  // words 0xAARRGGBB, as PixelImage keeps them
  pixels = ResizeWithTriangleFilter(ViewOf(image), size);
  return {};
}
