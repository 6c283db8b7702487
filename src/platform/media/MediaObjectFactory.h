#pragma once

#include <string>

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"
#include "platform/com/InterfaceId.h"

class IBaseFilter;

// Creates one of the media graph's own objects by class id (CLSID_FilterGraph,
// CLSID_MemoryAllocator, CLSID_AviDest, CLSID_FileWriter, CLSID_Colour) as interface iid, with
// one reference for the caller. E_NOINTERFACE for an unknown class id (REGDB_E_CLASSNOTREG in
// spirit) or an interface the object lacks; E_POINTER without an out pointer. Any thread.
HRESULT CreateMediaObject(const Guid& classId, const InterfaceId& iid, void** object);

// Makes the filter of the installed video compressor whose friendly name is exactly
// friendlyName (the first one listed, should two share it), with one reference for the caller.
// The filter also answers IEncoderSettings. VFW_E_NOT_FOUND when no compressor has that name.
// The encoder itself opens only when the filter's input connects, at the movie's size.
// User-interface thread.
HRESULT BindVideoCompressor(const std::u16string& friendlyName, IBaseFilter** filter);
