#include "platform/media/AviMux.h"

#include "platform/media/MediaGuids.h"

AviMux::AviMux() : ComObject(MovieContainer::Avi, u"AVI Out", MEDIASUBTYPE_Avi) {}

HRESULT AviMux::GetClassID(Guid* classId) {
  if (classId == nullptr) return E_POINTER;
  *classId = CLSID_AviDest;
  return S_OK;
}
