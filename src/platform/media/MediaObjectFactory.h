#pragma once

#include <string>

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"
#include "platform/com/InterfaceId.h"
#include "platform/media/MovieContainer.h"

class IBaseFilter;

// Creates one of the media graph's own objects by class id (CLSID_FilterGraph,
// CLSID_MemoryAllocator, CLSID_AviDest, CLSID_Mp4Mux, CLSID_MatroskaMux, CLSID_WebMMux,
// CLSID_FileWriter, CLSID_Colour) as interface iid, with
// one reference for the caller. E_NOINTERFACE for an unknown class id (REGDB_E_CLASSNOTREG in
// spirit) or an interface the object lacks; E_POINTER without an out pointer. Any thread.
HRESULT CreateMediaObject(const Guid& classId, const InterfaceId& iid, void** object);

// Makes the filter of the installed video compressor whose friendly name is exactly
// friendlyName (the first one listed, should two share it), with one reference for the caller.
// The filter also answers IEncoderSettings. VFW_E_NOT_FOUND when no compressor has that name.
// The encoder itself opens only when the filter's input connects, at the movie's size.
// User-interface thread.
HRESULT BindVideoCompressor(const std::u16string& friendlyName, IBaseFilter** filter);

// The class id of the mux that writes container.
Guid MuxClassOf(MovieContainer container);

// What the movie encoder of an MP4, Matroska or WebM movie is asked for: its plain name and the
// quality and speed chosen for it (out of range: its defaults), and for a hardware encoder the
// same for the software encoder that stands in when it will not open.
struct MovieEncoderChoice {
  std::u16string name;
  int quality = -1;
  std::string speed;
  int fallbackQuality = -1;
  std::string fallbackSpeed;
};

// Makes the filter of the movie encoder choice.name for container (MovieEncoderList), with one
// reference for the caller. VFW_E_NOT_FOUND when container has no installed encoder of that
// name. User-interface thread.
HRESULT BindMovieEncoder(const MovieEncoderChoice& choice, MovieContainer container, IBaseFilter** filter);
