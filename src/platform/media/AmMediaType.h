#pragma once

#include <cstdint>

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

class IUnknown;

// The description of a media type, as pins offer and agree on it. The format block (cbFormat
// bytes at pbFormat, for FORMAT_VideoInfo a VIDEOINFOHEADER or VIDEOINFO) is task memory
// (TaskMemAlloc) owned by the structure's holder; pUnk is unused here and stays null.
struct AM_MEDIA_TYPE {
  Guid majortype;
  Guid subtype;
  bool bFixedSizeSamples = false;
  bool bTemporalCompression = false;
  uint32_t lSampleSize = 0;
  Guid formattype;
  IUnknown* pUnk = nullptr;
  uint32_t cbFormat = 0;
  uint8_t* pbFormat = nullptr;
};

// Frees the format block and empties it (the structure itself stays).
void FreeMediaType(AM_MEDIA_TYPE& type);
// A deep copy into target, whose own format block is not freed first. E_OUTOFMEMORY leaves
// target with no format block.
HRESULT CopyMediaType(AM_MEDIA_TYPE& target, const AM_MEDIA_TYPE& source);
// A task-memory copy of source, for enumerators handing types out; null when memory is short.
AM_MEDIA_TYPE* CreateMediaType(const AM_MEDIA_TYPE& source);
// Frees a structure from CreateMediaType together with its format block; null is ignored.
void DeleteMediaType(AM_MEDIA_TYPE* type);
// Same types: every field and the format bytes equal.
bool MediaTypesEqual(const AM_MEDIA_TYPE& a, const AM_MEDIA_TYPE& b);
