#pragma once

#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/media/AmMediaType.h"

inline constexpr uint32_t AM_FILE_OVERWRITE = 0x00000001;

// The file a writer filter writes to. GetCurFile hands out the name as task memory.
class IFileSinkFilter2 : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x00855B90, 0xCE1B, 0x11D0, {0xBD, 0x4F, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};

  virtual HRESULT SetFileName(const char16_t* fileName, const AM_MEDIA_TYPE* type) = 0;
  virtual HRESULT GetCurFile(char16_t** fileName, AM_MEDIA_TYPE* type) = 0;
  virtual HRESULT SetMode(uint32_t flags) = 0;
  virtual HRESULT GetMode(uint32_t* flags) = 0;
};
