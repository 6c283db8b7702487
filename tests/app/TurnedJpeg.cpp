#include "app/TurnedJpeg.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "support/ExifBytes.h"
#include "support/TempFolder.h"

std::u16string WriteTurnedJpeg(const std::u16string& folder) {
  QImage image(32, 16, QImage::Format_RGB32);
  image.fill(Qt::gray);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  const std::u16string path = folder + u"/turned.jpg";
  WriteBytes(path, JpegWithOrientation(bytes.toStdString(), 6));
  return path;
}
