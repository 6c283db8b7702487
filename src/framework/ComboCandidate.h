#pragma once

#include "framework/DeviceCombo.h"
#include "framework/EnumeratedAdapter.h"
#include "framework/EnumeratedDevice.h"

// One format pair of one device of one adapter, as a selection weighs it. Refers into an
// enumeration, which must outlive it.
struct ComboCandidate {
  const EnumeratedAdapter& adapter;
  const EnumeratedDevice& device;
  const DeviceCombo& combo;

  // Whether the adapter has a display mode in the pair's adapter format for which test holds.
  template <typename Test>
  bool HasDisplayMode(Test test) const {
    for (const DisplayMode& mode : adapter.displayModes) {
      if (mode.format == combo.adapterFormat && test(mode)) return true;
    }
    return false;
  }
  bool OffersDepthStencil(SurfaceFormat format) const;
  bool OffersMultisample(MultisampleType type, uint32_t quality) const;
  bool OffersPresentInterval(PresentInterval interval) const;
  bool OffersVertexProcessing(VertexProcessing processing) const;
};
