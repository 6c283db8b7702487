#include "platform/media/MovieMux.h"

#include <string>

#include "platform/media/MediaGuids.h"

namespace {

// Room for an MP4 index at the front: its fixed boxes, and per frame at most a size, a chunk
// offset, a key-frame entry, a time and a display offset, with margin.
constexpr int64_t kIndexBaseBytes = 16 * 1024;
constexpr int64_t kIndexBytesPerFrame = 64;

}  // namespace

MovieMux::MovieMux(MovieContainer container)
    : ComObject(container, u"Movie Out", MEDIASUBTYPE_Movie), container_(container) {}

HRESULT MovieMux::GetClassID(Guid* classId) {
  if (classId == nullptr) return E_POINTER;
  switch (container_) {
    case MovieContainer::Mp4:
      *classId = CLSID_Mp4Mux;
      return S_OK;
    case MovieContainer::WebM:
      *classId = CLSID_WebMMux;
      return S_OK;
    default:
      *classId = CLSID_MatroskaMux;
      return S_OK;
  }
}

PacketMuxer::Options MovieMux::MuxerOptions() const {
  if (container_ != MovieContainer::Mp4 || frameCount() <= 0) return {};
  // The index is written into room kept for it before the frames: no second pass over the
  // file (which the mux could not read back), and the room is taken while the disk has it.
  return {{"moov_size", std::to_string(kIndexBaseBytes + kIndexBytesPerFrame * frameCount())}};
}
