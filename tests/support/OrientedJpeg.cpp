#include "support/OrientedJpeg.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "support/ExifBytes.h"

std::string QuadrantJpeg(int width, int height, const unsigned (&corners)[4], int orientation) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, 0xFF000000u | corners[(y >= height / 2) * 2 + (x >= width / 2)]);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 95);
  return JpegWithOrientation(bytes.toStdString(), orientation);
}
