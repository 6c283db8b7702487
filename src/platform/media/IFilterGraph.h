#pragma once

#include "platform/com/IUnknown.h"
#include "platform/media/AmMediaType.h"

class IBaseFilter;
class IPin;

// A graph of filters. AddFilter keeps a reference to the filter and tells it its name (a
// name already in use gets VFW_E_DUPLICATE_NAME); ConnectDirect connects two pins with no
// converter in between.
class IFilterGraph : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A8689F, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT AddFilter(IBaseFilter* filter, const char16_t* name) = 0;
  virtual HRESULT RemoveFilter(IBaseFilter* filter) = 0;
  virtual HRESULT FindFilterByName(const char16_t* name, IBaseFilter** filter) = 0;
  virtual HRESULT ConnectDirect(IPin* output, IPin* input, const AM_MEDIA_TYPE* type) = 0;
  virtual HRESULT Disconnect(IPin* pin) = 0;
};

// The graph manager's building calls: Connect tries the two pins directly and, when they
// cannot agree on a type, through a colour converter it adds to the graph.
class IGraphBuilder : public IFilterGraph {
 public:
  static constexpr InterfaceId kIid{0x56A868A9, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT Connect(IPin* output, IPin* input) = 0;
};
