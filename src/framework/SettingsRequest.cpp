#include "framework/SettingsRequest.h"

SettingsRequest SettingsRequest::ForCreateDevice(bool windowed, uint32_t width, uint32_t height) {
  SettingsRequest request;
  request.wanted.present.windowed = windowed;
  request.wanted.present.backBufferWidth = width;
  request.wanted.present.backBufferHeight = height;
  request.options.windowed = MatchChoice::Keep;
  if (windowed || (width != 0 && height != 0)) request.options.resolution = MatchChoice::Closest;
  return request;
}
