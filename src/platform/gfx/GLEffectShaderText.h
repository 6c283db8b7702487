#pragma once

#include <string>

#include "platform/gfx/EffectStage.h"

// The GLSL texts the device compiles for an effect pass. The effect author writes no #version
// line; the device puts "#version 330 core", the optimiser pragma and a #line directive before
// the block, so that compiler messages count the effect file's own lines.
//
// Vertex stages get a main() of the device's around their own, which maps depth for contexts
// without clip control and turns the picture upside down in render targets, as the device's own
// drawing does (uniforms PagewingConvertDepth and PagewingFlipY).

std::string GLEffectFragmentText(const EffectStage& stage, bool optimize);
std::string GLEffectVertexText(const EffectStage& stage, bool optimize);
// The vertex stage of a pass that names none: the device's transforms, passing on TexCoord,
// Colour (the vertex colour), Normal and WorldPosition (both in world space).
EffectStage GLEffectDefaultVertexStage();
