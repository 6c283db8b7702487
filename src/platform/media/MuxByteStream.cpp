#include "platform/media/MuxByteStream.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace {

// Headers, chunk headers and index entries gather here; frame data bypasses it.
constexpr int kBufferSize = 64 * 1024;

}  // namespace

HRESULT MuxByteStream::Open() {
  Discard();
  offset_ = size_ = reserved_ = 0;
  failure_ = S_OK;
  auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
  if (buffer != nullptr) context_ = avio_alloc_context(buffer, kBufferSize, 1, this, nullptr, &Write, &Seek);
  if (context_ == nullptr) {
    av_free(buffer);
    return E_OUTOFMEMORY;
  }
  context_->direct = 1;
  return S_OK;
}

void MuxByteStream::Close() {
  if (context_ != nullptr) avio_flush(context_);
  Discard();
}

void MuxByteStream::Discard() {
  if (context_ == nullptr) return;
  // The library may have replaced the buffer it was given, so free the one it holds now.
  av_freep(&context_->buffer);
  avio_context_free(&context_);
}

HRESULT MuxByteStream::Reserve(int64_t end) {
  if (end <= reserved_) return S_OK;
  const HRESULT hr = sink_(end, nullptr, 0);
  if (SUCCEEDED(hr)) reserved_ = end;
  return hr;
}

int MuxByteStream::Write(void* opaque, uint8_t* bytes, int count) {
  auto* stream = static_cast<MuxByteStream*>(opaque);
  const HRESULT hr = stream->sink_(stream->offset_, bytes, count);
  if (FAILED(hr) && SUCCEEDED(stream->failure_)) stream->failure_ = hr;
  stream->offset_ += count;
  stream->size_ = std::max(stream->size_, stream->offset_);
  return count;
}

int64_t MuxByteStream::Seek(void* opaque, int64_t offset, int whence) {
  auto* stream = static_cast<MuxByteStream*>(opaque);
  if ((whence & AVSEEK_SIZE) != 0) return stream->size_;
  int64_t target = offset;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
      break;
    case SEEK_CUR:
      target += stream->offset_;
      break;
    case SEEK_END:
      target += stream->size_;
      break;
    default:
      return AVERROR(EINVAL);
  }
  if (target < 0) return AVERROR(EINVAL);
  stream->offset_ = target;
  stream->FillTo(target);
  return target;
}

// Room a muxer skips to fill in later (the MP4 index) is written at once, so that the disk
// space is taken before the frames need theirs.
void MuxByteStream::FillTo(int64_t end) {
  static const uint8_t zeros[4096] = {};
  int64_t at = size_;
  while (at < end) {
    const int count = static_cast<int>(std::min<int64_t>(end - at, sizeof zeros));
    const HRESULT hr = sink_(at, zeros, count);
    if (FAILED(hr) && SUCCEEDED(failure_)) failure_ = hr;
    at += count;
  }
  size_ = std::max(size_, end);
}
