#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The parameters an effect file may declare, in the order the loader looks them up. Their names
// are an external interface: effect authors rely on exactly these spellings.
enum class EffectParameter {
  MyTexture0,
  MyTexture1,
  MyTextureResolution0,
  MyTextureResolution1,
  UVBounds0,
  UVBounds1,
  World,
  View,
  Projection,
  WorldView,
  ViewProjection,
  WorldViewProjection,
  WorldInverseTranspose,
  AmbientCol,
  DiffuseCol,
  SpecularCol,
  LightPos,
  LightPosModelSpace,
  Power,
  EyePos,
  EyePosModelSpace,
  Time,
};

inline constexpr size_t kEffectParameterCount = 22;

inline constexpr std::array<std::string_view, kEffectParameterCount> kEffectParameterNames = {
    "MyTexture0",    "MyTexture1",     "MyTextureResolution0", "MyTextureResolution1",  "UVBounds0",
    "UVBounds1",     "World",          "View",                 "Projection",            "WorldView",
    "ViewProjection", "WorldViewProjection", "WorldInverseTranspose", "AmbientCol",     "DiffuseCol",
    "SpecularCol",   "LightPos",       "LightPosModelSpace",   "Power",                 "EyePos",
    "EyePosModelSpace", "Time"};

inline constexpr std::string_view EffectParameterName(EffectParameter parameter) {
  return kEffectParameterNames[static_cast<size_t>(parameter)];
}
