#pragma once

#include "platform/com/IUnknown.h"
#include "platform/media/ReferenceTime.h"

class IBaseFilter;

enum QualityMessageType { Famine = 0, Flood = 1 };

struct Quality {
  QualityMessageType Type = Famine;
  int32_t Proportion = 1000;
  REFERENCE_TIME Late = 0;
  REFERENCE_TIME TimeStamp = 0;
};

// Quality messages travel upstream from pin to pin.
class IQualityControl : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x56A868A5, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

  virtual HRESULT Notify(IBaseFilter* sender, Quality quality) = 0;
  virtual HRESULT SetSink(IQualityControl* sink) = 0;
};
