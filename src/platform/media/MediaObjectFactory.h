#pragma once

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"
#include "platform/com/InterfaceId.h"

// Creates one of the media graph's own objects by class id (CLSID_FilterGraph,
// CLSID_MemoryAllocator, CLSID_AviDest, CLSID_FileWriter, CLSID_Colour) as interface iid, with
// one reference for the caller. E_NOINTERFACE for an unknown class id (REGDB_E_CLASSNOTREG in
// spirit) or an interface the object lacks; E_POINTER without an out pointer. Any thread.
HRESULT CreateMediaObject(const Guid& classId, const InterfaceId& iid, void** object);
