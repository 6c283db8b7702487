#include "platform/gfx/GLEffectShaderText.h"

namespace {

constexpr const char* kDefaultVertex = R"(layout(location = 0) in vec3 PagewingPosition;
layout(location = 1) in vec3 PagewingNormal;
layout(location = 2) in vec4 PagewingColour;
layout(location = 3) in vec2 PagewingTexCoord;

uniform mat4 PagewingWorld;
uniform mat4 PagewingViewProjection;

out vec2 TexCoord;
out vec4 Colour;
out vec3 Normal;
out vec3 WorldPosition;

void main() {
  vec4 world = PagewingWorld * vec4(PagewingPosition, 1.0);
  gl_Position = PagewingViewProjection * world;
  vec3 normal = mat3(PagewingWorld) * PagewingNormal;
  Normal = length(normal) > 0.0 ? normalize(normal) : normal;
  WorldPosition = world.xyz;
  Colour = PagewingColour;
  TexCoord = PagewingTexCoord;
}
)";

constexpr const char* kVertexWrapper = R"(
#undef main
uniform bool PagewingConvertDepth;
uniform bool PagewingFlipY;
void main() {
  PagewingVertexMain();
  if (PagewingConvertDepth) gl_Position.z = 2.0 * gl_Position.z - gl_Position.w;
  if (PagewingFlipY) gl_Position.y = -gl_Position.y;
}
)";

std::string Header(bool optimize) {
  return std::string("#version 330 core\n#pragma optimize(") + (optimize ? "on" : "off") + ")\n";
}

// The line after "#line n" is line n, as in C (what Mesa does for GLSL 3.30).
std::string LineDirective(const EffectStage& stage) { return "#line " + std::to_string(stage.firstLine) + "\n"; }

}  // namespace

std::string GLEffectFragmentText(const EffectStage& stage, bool optimize) {
  return Header(optimize) + LineDirective(stage) + stage.code;
}

std::string GLEffectVertexText(const EffectStage& stage, bool optimize) {
  return Header(optimize) + "#define main PagewingVertexMain\n" + LineDirective(stage) + stage.code + kVertexWrapper;
}

EffectStage GLEffectDefaultVertexStage() { return {"(default vertex stage)", kDefaultVertex, 1}; }
