#pragma once

#include "platform/com/ComObject.h"
#include "platform/media/PacketMux.h"

// The AVI Mux (CLSID_AviDest): writes the movie as an AVI file (MEDIASUBTYPE_Avi byte stream)
// with FFmpeg's AVI muxer; see PacketMux.
class AviMux final : public ComObject<PacketMux> {
 public:
  AviMux();
  HRESULT GetClassID(Guid* classId) override;
};
