#include "framework/ComboCandidate.h"

#include <algorithm>

bool ComboCandidate::OffersDepthStencil(SurfaceFormat format) const {
  return std::ranges::find(combo.depthStencilFormats, format) != combo.depthStencilFormats.end();
}

bool ComboCandidate::OffersMultisample(MultisampleType type, uint32_t quality) const {
  return std::ranges::any_of(combo.multisampleOptions, [&](const MultisampleOption& option) {
    return option.type == type && option.qualityLevels > quality;
  });
}

bool ComboCandidate::OffersPresentInterval(PresentInterval interval) const {
  return std::ranges::find(combo.presentIntervals, interval) != combo.presentIntervals.end();
}

bool ComboCandidate::OffersVertexProcessing(VertexProcessing processing) const {
  // Software processing is always possible; the others need a device that transforms and lights.
  if (combo.vertexProcessings.empty()) {
    return processing == VertexProcessing::Software || device.caps.hardwareTransformAndLight;
  }
  return std::ranges::find(combo.vertexProcessings, processing) != combo.vertexProcessings.end();
}
