#include "platform/gfx/GLFixedFunctionProgram.h"

#include <epoxy/gl.h>

#include <string>

#include <glm/gtc/type_ptr.hpp>
#include <glm/matrix.hpp>
#include <glm/mat3x3.hpp>

#include "platform/gfx/GLInfoLog.h"

namespace {

constexpr const char* kVertexShader = R"(
layout(location = 0) in vec4 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aDiffuse;
layout(location = 3) in vec2 aUV;

uniform mat4 uWorldView;
uniform mat4 uProjection;
uniform mat3 uNormalMatrix;
uniform vec2 uViewport;
uniform bool uConvertDepth;
uniform bool uFlipY;

uniform vec3 uAmbientLevel;
uniform vec4 uMaterialDiffuse;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialSpecular;
uniform vec4 uMaterialEmissive;
uniform float uMaterialPower;
uniform bool uDiffuseFromVertex;
uniform bool uAmbientFromVertex;
uniform bool uSpecularFromVertex;

uniform vec3 uLightPosition;
uniform vec3 uLightDiffuse;
uniform vec3 uLightSpecular;
uniform vec3 uLightAmbient;
uniform float uLightRange;
uniform vec3 uLightAttenuation;

INTERPOLATION out vec4 vDiffuse;
#if SPECULAR
INTERPOLATION out vec4 vSpecular;
#endif
out vec2 vUV;

float Attenuation(float distance) {
  if (distance > uLightRange) return 0.0;
  float divisor = dot(uLightAttenuation, vec3(1.0, distance, distance * distance));
  return divisor > 0.0 ? 1.0 / divisor : 1.0;
}

// Blinn-Phong with the half vector towards the camera at the view-space origin.
float SpecularFactor(vec3 position, vec3 normal, vec3 toLight) {
  vec3 toEye = length(position) > 0.0 ? normalize(-position) : vec3(0.0, 0.0, -1.0);
  float nDotH = max(dot(normal, normalize(toEye + toLight)), 0.0);
  return uMaterialPower > 0.0 ? pow(nDotH, uMaterialPower) : 1.0;
}

void Light(vec3 position, vec3 normal) {
  vec4 diffuseColour = uDiffuseFromVertex ? aDiffuse : uMaterialDiffuse;
  vec4 ambientColour = uAmbientFromVertex ? aDiffuse : uMaterialAmbient;
  vec3 ambient = uAmbientLevel;
  vec3 diffuse = vec3(0.0);
#if POINT_LIGHT
  vec3 toLight = uLightPosition - position;
  float distance = length(toLight);
  float attenuation = Attenuation(distance);
  vec3 direction = distance > 0.0 ? toLight / distance : -normal;
  float nDotL = max(dot(normal, direction), 0.0);
  ambient += attenuation * uLightAmbient;
  diffuse = attenuation * nDotL * uLightDiffuse;
#endif
#if SPECULAR
  vec4 specularColour = uSpecularFromVertex ? aDiffuse : uMaterialSpecular;
  vec3 specular = nDotL > 0.0 ? attenuation * SpecularFactor(position, normal, direction) * uLightSpecular : vec3(0.0);
  vSpecular = vec4(clamp(specularColour.rgb * specular, 0.0, 1.0), 0.0);
#endif
  vec3 colour = uMaterialEmissive.rgb + ambientColour.rgb * ambient + diffuseColour.rgb * diffuse;
  vDiffuse = clamp(vec4(colour, diffuseColour.a), 0.0, 1.0);
}

void main() {
  vUV = aUV;
#if PRETRANSFORMED
  vec2 ndc = vec2(aPosition.x / uViewport.x * 2.0 - 1.0, 1.0 - aPosition.y / uViewport.y * 2.0);
  float w = aPosition.w > 0.0 ? 1.0 / aPosition.w : 1.0;
  gl_Position = vec4(ndc, aPosition.z, 1.0) * w;
  vDiffuse = aDiffuse;
#else
  vec4 position = uWorldView * vec4(aPosition.xyz, 1.0);
  gl_Position = uProjection * position;
#if LIGHTING
  vec3 normal = uNormalMatrix * aNormal;
  normal = length(normal) > 0.0 ? normalize(normal) : normal;
  Light(position.xyz, normal);
#else
  vDiffuse = aDiffuse;
#endif
#endif
  if (uConvertDepth) gl_Position.z = 2.0 * gl_Position.z - gl_Position.w;
  if (uFlipY) gl_Position.y = -gl_Position.y;
}
)";

// Texture stage 0; the ops are RenderStates::TextureOp: 0 modulate, 1 texture, 2 diffuse.
constexpr const char* kFragmentShader = R"(
INTERPOLATION in vec4 vDiffuse;
#if SPECULAR
INTERPOLATION in vec4 vSpecular;
#endif
in vec2 vUV;

uniform sampler2D uTexture;

out vec4 fragColour;

// The op is a constant of the variant, so the compiler keeps only its own term.
#define STAGE_OP(op, texel, diffuse) ((op) == 0 ? (texel) * (diffuse) : (op) == 1 ? (texel) : (diffuse))

void main() {
#if TEXTURED
  vec4 texel = texture(uTexture, vUV);
#else
  vec4 texel = vec4(1.0);
#endif
  vec3 colour = STAGE_OP(COLOUR_OP, texel.rgb, vDiffuse.rgb);
  float alpha = STAGE_OP(ALPHA_OP, texel.a, vDiffuse.a);
#if SPECULAR
  colour = min(colour + vSpecular.rgb, vec3(1.0));
#endif
  fragColour = vec4(colour, alpha);
}
)";

// The shader name, or 0 with the compiler's log in error.
GLuint Compile(GLenum kind, const std::string& header, const char* body, std::string& error) {
  const GLuint shader = glCreateShader(kind);
  const char* sources[] = {header.c_str(), body};
  glShaderSource(shader, 2, sources, nullptr);
  glCompileShader(shader);
  GLint compiled = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
  if (compiled == GL_TRUE) return shader;
  error = GLInfoLog(shader, false);
  glDeleteShader(shader);
  return 0;
}

bool FromVertex(RenderStates::MaterialSource source) { return source == RenderStates::MaterialSource::VertexColour; }

glm::vec3 ColourOf(uint32_t argb) {
  return glm::vec3((argb >> 16) & 0xFFu, (argb >> 8) & 0xFFu, argb & 0xFFu) / 255.0f;
}

}  // namespace

// In the order of GLFixedFunctionProgram::Uniform.
// clang-format off
const char* const GLFixedFunctionProgram::kUniformNames[] = {
    "uTexture", "uConvertDepth", "uWorldView", "uProjection", "uNormalMatrix",
    "uViewport", "uFlipY", "uAmbientLevel", "uMaterialDiffuse", "uMaterialAmbient",
    "uMaterialSpecular", "uMaterialEmissive", "uMaterialPower", "uDiffuseFromVertex", "uAmbientFromVertex",
    "uSpecularFromVertex", "uLightPosition", "uLightDiffuse", "uLightSpecular", "uLightAmbient",
    "uLightRange", "uLightAttenuation"};
// clang-format on

GLFixedFunctionProgram::~GLFixedFunctionProgram() { Destroy(); }

DeviceStatus GLFixedFunctionProgram::Create(const GLFixedFunctionVariant& variant, bool convertDepth) {
  Destroy();
  const std::string header = "#version 330 core\n" + variant.Defines();
  std::string error;
  const GLuint vertex = Compile(GL_VERTEX_SHADER, header, kVertexShader, error);
  if (vertex == 0) return DeviceStatus::Failure("Vertex shader: " + error);
  const GLuint fragment = Compile(GL_FRAGMENT_SHADER, header, kFragmentShader, error);
  if (fragment == 0) {
    glDeleteShader(vertex);
    return DeviceStatus::Failure("Fragment shader: " + error);
  }
  program_ = glCreateProgram();
  glAttachShader(program_, vertex);
  glAttachShader(program_, fragment);
  glLinkProgram(program_);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint linked = GL_FALSE;
  glGetProgramiv(program_, GL_LINK_STATUS, &linked);
  if (linked != GL_TRUE) {
    const std::string log = GLInfoLog(program_, true);
    Destroy();
    return DeviceStatus::Failure("Shader program: " + log);
  }
  Use();
  for (size_t k = 0; k < kUniformCount; ++k) locations_[k] = glGetUniformLocation(program_, kUniformNames[k]);
  glUniform1i(Location(kTexture), 0);
  glUniform1i(Location(kConvertDepth), convertDepth ? 1 : 0);
  return DeviceStatus::Success();
}

void GLFixedFunctionProgram::Destroy() {
  if (program_ != 0) glDeleteProgram(program_);
  program_ = 0;
}

void GLFixedFunctionProgram::Use() const { glUseProgram(program_); }

void GLFixedFunctionProgram::SetTransforms(const glm::mat4& worldView, const glm::mat4& projection) {
  const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(worldView)));
  glUniformMatrix4fv(Location(kWorldView), 1, GL_FALSE, glm::value_ptr(worldView));
  glUniformMatrix4fv(Location(kProjection), 1, GL_FALSE, glm::value_ptr(projection));
  glUniformMatrix3fv(Location(kNormalMatrix), 1, GL_FALSE, glm::value_ptr(normalMatrix));
}

void GLFixedFunctionProgram::SetViewport(glm::vec2 viewport) {
  glUniform2f(Location(kViewport), viewport.x, viewport.y);
}

void GLFixedFunctionProgram::SetFlipY(bool flip) { glUniform1i(Location(kFlipY), flip ? 1 : 0); }

void GLFixedFunctionProgram::SetLighting(const RenderStates& states, const PointLight& light,
                                         const Material& material) {
  glUniform3fv(Location(kAmbientLevel), 1, glm::value_ptr(ColourOf(states.ambient)));
  glUniform4fv(Location(kMaterialDiffuse), 1, glm::value_ptr(material.diffuse));
  glUniform4fv(Location(kMaterialAmbient), 1, glm::value_ptr(material.ambient));
  glUniform4fv(Location(kMaterialSpecular), 1, glm::value_ptr(material.specular));
  glUniform4fv(Location(kMaterialEmissive), 1, glm::value_ptr(material.emissive));
  glUniform1f(Location(kMaterialPower), material.power);
  glUniform1i(Location(kDiffuseFromVertex), FromVertex(states.diffuseSource) ? 1 : 0);
  glUniform1i(Location(kAmbientFromVertex), FromVertex(states.ambientSource) ? 1 : 0);
  glUniform1i(Location(kSpecularFromVertex), FromVertex(states.specularSource) ? 1 : 0);
  glUniform3fv(Location(kLightPosition), 1, glm::value_ptr(light.position));
  glUniform3fv(Location(kLightDiffuse), 1, glm::value_ptr(glm::vec3(light.diffuse)));
  glUniform3fv(Location(kLightSpecular), 1, glm::value_ptr(glm::vec3(light.specular)));
  glUniform3fv(Location(kLightAmbient), 1, glm::value_ptr(glm::vec3(light.ambient)));
  glUniform1f(Location(kLightRange), light.range);
  glUniform3f(Location(kLightAttenuation), light.attenuation0, light.attenuation1, light.attenuation2);
}
