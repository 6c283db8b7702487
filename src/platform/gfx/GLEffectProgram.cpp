#include "platform/gfx/GLEffectProgram.h"

#include <epoxy/gl.h>

#include <utility>

#include <glm/gtc/type_ptr.hpp>
#include <glm/mat3x3.hpp>

#include "platform/gfx/GLEffectShaderText.h"
#include "platform/gfx/GLInfoLog.h"

namespace {

void AppendMessage(std::string& messages, const std::string& label, const std::string& log) {
  messages += label + ":\n" + log;
  if (!messages.empty() && messages.back() != '\n') messages += '\n';
}

std::string StageLabel(const EffectStage& stage, const char* kind, const EffectPass& pass) {
  return "shader block \"" + stage.name + "\" (" + kind + " stage of pass \"" + pass.name + "\")";
}

// Which OpenGL types each kind of parameter may be declared as.
bool Settable(EffectParameter parameter, GLenum type) {
  const EffectParameters probe;
  if (probe.TextureOf(parameter)) return type == GL_SAMPLER_2D;
  if (probe.MatrixOf(parameter)) return type == GL_FLOAT_MAT4 || type == GL_FLOAT_MAT3;
  if (probe.ScalarOf(parameter)) return type == GL_FLOAT;
  return type == GL_FLOAT || type == GL_FLOAT_VEC2 || type == GL_FLOAT_VEC3 || type == GL_FLOAT_VEC4;
}

int ParameterIndex(std::string_view name) {
  for (size_t i = 0; i < kEffectParameterCount; ++i)
    if (kEffectParameterNames[i] == name) return static_cast<int>(i);
  return -1;
}

void SetVector(GLint location, GLenum type, const glm::vec4& value) {
  if (type == GL_FLOAT) glUniform1fv(location, 1, glm::value_ptr(value));
  if (type == GL_FLOAT_VEC2) glUniform2fv(location, 1, glm::value_ptr(value));
  if (type == GL_FLOAT_VEC3) glUniform3fv(location, 1, glm::value_ptr(value));
  if (type == GL_FLOAT_VEC4) glUniform4fv(location, 1, glm::value_ptr(value));
}

void SetMatrix(GLint location, GLenum type, const glm::mat4& value) {
  if (type == GL_FLOAT_MAT4) glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(value));
  if (type == GL_FLOAT_MAT3) glUniformMatrix3fv(location, 1, GL_FALSE, glm::value_ptr(glm::mat3(value)));
}

}  // namespace

GLEffectProgram::~GLEffectProgram() { Destroy(); }

GLEffectProgram::GLEffectProgram(GLEffectProgram&& other) noexcept
    : program_(std::exchange(other.program_, 0)), uniforms_(other.uniforms_) {}

GLEffectProgram& GLEffectProgram::operator=(GLEffectProgram&& other) noexcept {
  if (this != &other) {
    Destroy();
    program_ = std::exchange(other.program_, 0);
    uniforms_ = other.uniforms_;
  }
  return *this;
}

void GLEffectProgram::Destroy() {
  if (program_ != 0) glDeleteProgram(program_);
  program_ = 0;
  uniforms_.fill({});
}

bool GLEffectProgram::Create(const EffectPass& pass, bool optimize, std::string& messages) {
  Destroy();
  const EffectStage vertexStage = pass.vertex ? *pass.vertex : GLEffectDefaultVertexStage();
  const GLuint vertex = CompileStage(GL_VERTEX_SHADER, GLEffectVertexText(vertexStage, optimize),
                                     StageLabel(vertexStage, "vertex", pass), messages);
  const GLuint fragment = CompileStage(GL_FRAGMENT_SHADER, GLEffectFragmentText(pass.fragment, optimize),
                                       StageLabel(pass.fragment, "fragment", pass), messages);
  const bool linked = vertex != 0 && fragment != 0 && Link(vertex, fragment, "pass \"" + pass.name + "\"", messages);
  if (vertex != 0) glDeleteShader(vertex);
  if (fragment != 0) glDeleteShader(fragment);
  if (linked) FindUniforms();
  return linked;
}

// Lengths are passed explicitly, so a NUL byte inside a block reaches the compiler as it is.
unsigned GLEffectProgram::CompileStage(unsigned kind, const std::string& text, const std::string& label,
                                       std::string& messages) {
  const GLuint shader = glCreateShader(kind);
  const char* sources[] = {text.data()};
  const GLint lengths[] = {static_cast<GLint>(text.size())};
  glShaderSource(shader, 1, sources, lengths);
  glCompileShader(shader);
  GLint compiled = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
  if (compiled == GL_TRUE) return shader;
  AppendMessage(messages, label, GLInfoLog(shader, false));
  glDeleteShader(shader);
  return 0;
}

bool GLEffectProgram::Link(unsigned vertex, unsigned fragment, const std::string& label, std::string& messages) {
  program_ = glCreateProgram();
  glAttachShader(program_, vertex);
  glAttachShader(program_, fragment);
  glLinkProgram(program_);
  GLint linked = GL_FALSE;
  glGetProgramiv(program_, GL_LINK_STATUS, &linked);
  if (linked == GL_TRUE) return true;
  AppendMessage(messages, label, GLInfoLog(program_, true));
  Destroy();
  return false;
}

// Only active uniforms count: a parameter the compiler removed as unused is skipped like a
// missing one.
void GLEffectProgram::FindUniforms() {
  GLint count = 0;
  glGetProgramiv(program_, GL_ACTIVE_UNIFORMS, &count);
  for (GLint i = 0; i < count; ++i) {
    char name[64] = {};
    GLsizei length = 0;
    GLint size = 0;
    GLenum type = 0;
    glGetActiveUniform(program_, static_cast<GLuint>(i), sizeof name, &length, &size, &type, name);
    const int index = ParameterIndex(std::string_view(name, static_cast<size_t>(length)));
    if (index < 0 || size != 1 || !Settable(static_cast<EffectParameter>(index), type)) continue;
    uniforms_[static_cast<size_t>(index)] = {glGetUniformLocation(program_, name), type};
  }
  frameUniforms_ = {glGetUniformLocation(program_, "PagewingWorld"), glGetUniformLocation(program_, "PagewingViewProjection"),
                    glGetUniformLocation(program_, "PagewingConvertDepth"), glGetUniformLocation(program_, "PagewingFlipY")};
}

void GLEffectProgram::Apply(const EffectParameters& parameters, const GLEffectFrame& frame) const {
  glUseProgram(program_);
  SetFrame(frame);
  for (size_t i = 0; i < kEffectParameterCount; ++i)
    if (uniforms_[i].location >= 0) SetUniform(static_cast<EffectParameter>(i), parameters);
}

void GLEffectProgram::SetUniform(EffectParameter parameter, const EffectParameters& parameters) const {
  const Uniform& uniform = uniforms_[static_cast<size_t>(parameter)];
  if (parameters.TextureOf(parameter)) glUniform1i(uniform.location, parameter == EffectParameter::MyTexture0 ? 0 : 1);
  if (const glm::vec4* vector = parameters.VectorOf(parameter)) SetVector(uniform.location, uniform.type, *vector);
  if (const glm::mat4* matrix = parameters.MatrixOf(parameter)) SetMatrix(uniform.location, uniform.type, *matrix);
  if (const float* scalar = parameters.ScalarOf(parameter)) glUniform1f(uniform.location, *scalar);
}

void GLEffectProgram::SetFrame(const GLEffectFrame& frame) const {
  glUniformMatrix4fv(frameUniforms_.world, 1, GL_FALSE, glm::value_ptr(frame.world));
  glUniformMatrix4fv(frameUniforms_.viewProjection, 1, GL_FALSE, glm::value_ptr(frame.viewProjection));
  glUniform1i(frameUniforms_.convertDepth, frame.convertDepth ? 1 : 0);
  glUniform1i(frameUniforms_.flipY, frame.flipY ? 1 : 0);
  for (GLuint unit : {1u, 0u}) {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_2D, frame.textures[unit]);
  }
}
