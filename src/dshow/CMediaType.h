#pragma once

#include <cstdint>

#include "platform/media/AmMediaType.h"

// An AM_MEDIA_TYPE that owns its format block (task memory): copies are deep, the block goes
// with the value. Usable wherever an AM_MEDIA_TYPE is wanted. A plain value: one thread at a
// time.
class CMediaType : public AM_MEDIA_TYPE {
 public:
  CMediaType() = default;
  // Deep copies; when memory is short the copy has every field but no format block (use Set
  // to learn about that).
  explicit CMediaType(const AM_MEDIA_TYPE& source);
  CMediaType(const CMediaType& source);
  CMediaType(CMediaType&& source) noexcept;
  CMediaType& operator=(const CMediaType& source);
  CMediaType& operator=(CMediaType&& source) noexcept;
  ~CMediaType();

  // Becomes a deep copy of source. E_OUTOFMEMORY leaves the fields copied without a block.
  HRESULT Set(const AM_MEDIA_TYPE& source);

  // Every field and the format bytes equal.
  bool operator==(const AM_MEDIA_TYPE& other) const { return MediaTypesEqual(*this, other); }

  const Guid& Type() const { return majortype; }
  const Guid& Subtype() const { return subtype; }
  const Guid& FormatType() const { return formattype; }
  void SetType(const Guid& type) { majortype = type; }
  void SetSubtype(const Guid& type) { subtype = type; }
  void SetFormatType(const Guid& type) { formattype = type; }
  void SetTemporalCompression(bool compressed) { bTemporalCompression = compressed; }
  // A size above 0 makes the samples fixed-size; 0 variable.
  void SetSampleSize(uint32_t size);
  void SetVariableSize();
  uint32_t GetSampleSize() const { return bFixedSizeSamples ? lSampleSize : 0; }

  // A new zeroed format block of length bytes in place of the old one; null (and no block)
  // when memory is short.
  uint8_t* AllocFormatBuffer(uint32_t length);
  // Replaces the format block by a copy of length bytes at format. E_OUTOFMEMORY: no block.
  HRESULT SetFormat(const uint8_t* format, uint32_t length);
  void ResetFormatBuffer() { FreeMediaType(*this); }
  uint8_t* Format() const { return pbFormat; }
  uint32_t FormatLength() const { return cbFormat; }

  // A type that leaves its major type, subtype or format type open (GUID_NULL).
  static bool IsPartiallySpecified(const AM_MEDIA_TYPE& type);
  // Whether candidate fits what partial fixes: each GUID partial gives, and its format block
  // when it has one.
  static bool MatchesPartial(const AM_MEDIA_TYPE& partial, const AM_MEDIA_TYPE& candidate);
};
