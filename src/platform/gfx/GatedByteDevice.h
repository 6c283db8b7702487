#pragma once

#include <QIODevice>
#include <string_view>

// Bytes in memory read as a device, passing the frame gate before each read: Qt's image readers
// pull their input a few kilobytes at a time, so a decode through them stops within one such
// piece while a frame of an animation is drawn. Not a QBuffer on purpose: Qt's JPEG reader takes
// a buffer's memory whole and would never read again. Opened for reading on construction; the
// bytes must outlive the device.
class GatedByteDevice : public QIODevice {
 public:
  explicit GatedByteDevice(std::string_view bytes);

  bool isSequential() const override { return false; }
  qint64 size() const override { return static_cast<qint64>(bytes_.size()); }

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  std::string_view bytes_;
};
