#include "platform/gfx/GatedByteDevice.h"

#include <algorithm>
#include <cstring>

#include "platform/sys/FrameGate.h"

GatedByteDevice::GatedByteDevice(std::string_view bytes) : bytes_(bytes) {
  open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 GatedByteDevice::readData(char* data, qint64 maxSize) {
  FrameGate::Shared().Pass();
  const qint64 at = std::min(pos(), size());
  const qint64 count = std::min(maxSize, size() - at);
  if (count > 0) std::memcpy(data, bytes_.data() + at, static_cast<size_t>(count));
  return count;
}
