#pragma once

#include <cstdint>
#include <functional>

#include "platform/com/HResult.h"

struct AVIOContext;

// A muxer's output: a seekable FFmpeg I/O context whose bytes go, with the file offset they
// belong at, to a sink (the mux's output pin). Seeking moves the offset; seeking past the end
// writes zeros up to there; the size is the furthest byte written. Being seekable lets the muxer go back to complete its header and
// add the large-file index by itself. Large writes (a frame's data) reach the sink straight from
// the muxer's packet, not copied into the context's buffer first. A failing delivery is kept
// (the first one) for the owner to act on, but not shown to the muxer, which would refuse all
// further writes: this way the bytes that can still be written (the header completed in place
// when a disk fills up) are. Before a frame the owner can ask for room (Reserve), so that a full
// disk refuses the frame as a whole instead of cutting it. Used by one thread at a time.
class MuxByteStream {
 public:
  // sink(offset, bytes, count): deliver count bytes meant for offset; a failure is kept. A call
  // with no bytes (count 0) asks that the file can grow to offset, see Reserve.
  using Sink = std::function<HRESULT(int64_t offset, const uint8_t* bytes, int count)>;

  explicit MuxByteStream(Sink sink) : sink_(std::move(sink)) {}
  ~MuxByteStream() { Discard(); }
  MuxByteStream(const MuxByteStream&) = delete;
  MuxByteStream& operator=(const MuxByteStream&) = delete;

  // Makes the context, offset 0; E_OUTOFMEMORY when it cannot.
  HRESULT Open();
  AVIOContext* context() const { return context_; }
  // The first failing delivery, else S_OK.
  HRESULT failure() const { return failure_; }
  // The furthest byte written so far.
  int64_t size() const { return size_; }
  // Makes sure the file can grow to end before more is written: the sink's status (a full
  // disk fails here, with nothing written). Not a failing delivery.
  HRESULT Reserve(int64_t end);
  // Delivers what is buffered and frees the context.
  void Close();
  // Frees the context without delivering anything more (the sink may be gone).
  void Discard();

 private:
  static int Write(void* opaque, uint8_t* bytes, int count);
  static int64_t Seek(void* opaque, int64_t offset, int whence);
  void FillTo(int64_t end);

  Sink sink_;
  AVIOContext* context_ = nullptr;
  int64_t offset_ = 0;
  int64_t size_ = 0;
  int64_t reserved_ = 0;
  HRESULT failure_ = S_OK;
};
