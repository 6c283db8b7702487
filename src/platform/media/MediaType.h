#pragma once

#include <cstdint>

#include "platform/media/AmMediaType.h"
#include "platform/media/VideoInfoHeader.h"

// Owns one AM_MEDIA_TYPE together with its format block, as pins keep the types they offer and
// the type they agreed on. Copies are deep; a copy made when memory is short has no format block,
// which no pin here accepts. A plain value: one owner thread at a time.
class MediaType {
 public:
  MediaType() = default;
  explicit MediaType(const AM_MEDIA_TYPE& type) { CopyMediaType(type_, type); }
  MediaType(const MediaType& other) : MediaType(other.type_) {}
  MediaType(MediaType&& other) noexcept : type_(other.type_) { other.type_ = AM_MEDIA_TYPE(); }
  MediaType& operator=(MediaType other) noexcept;
  ~MediaType() { FreeMediaType(type_); }

  const AM_MEDIA_TYPE& get() const { return type_; }
  AM_MEDIA_TYPE& get() { return type_; }
  const AM_MEDIA_TYPE* operator->() const { return &type_; }
  AM_MEDIA_TYPE* operator->() { return &type_; }

  // Replaces the format block with a copy of size bytes from bytes. False when memory is short
  // (the type then has no format block).
  bool SetFormat(const void* bytes, uint32_t size);

  // A video type (FORMAT_VideoInfo) described by header, with extra bytes after it (a codec's
  // private data); extra may be null when extraSize is 0.
  static MediaType Video(const Guid& subtype, const VIDEOINFOHEADER& header, const void* extra = nullptr,
                         uint32_t extraSize = 0);

 private:
  AM_MEDIA_TYPE type_;
};

// The format block of type as a VIDEOINFOHEADER; null unless type is FORMAT_VideoInfo with a
// block at least that large.
const VIDEOINFOHEADER* VideoInfoOf(const AM_MEDIA_TYPE& type);
// Every GUID partial names (GUID_NULL: any) is the same in type.
bool MatchesPartial(const AM_MEDIA_TYPE& type, const AM_MEDIA_TYPE& partial);
// Major type, subtype and format type all named.
bool IsComplete(const AM_MEDIA_TYPE& type);
