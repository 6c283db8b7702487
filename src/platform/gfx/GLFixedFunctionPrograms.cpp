#include "platform/gfx/GLFixedFunctionPrograms.h"

void GLFixedFunctionPrograms::Reset(bool convertDepth) {
  Clear();
  convertDepth_ = convertDepth;
}

GLFixedFunctionProgram* GLFixedFunctionPrograms::Get(const GLFixedFunctionVariant& variant) {
  std::unique_ptr<GLFixedFunctionProgram>& program = programs_[variant.Key()];
  if (program) return program.get();
  auto created = std::make_unique<GLFixedFunctionProgram>();
  if (DeviceStatus status = created->Create(variant, convertDepth_); !status) {
    programs_.erase(variant.Key());
    lastFailure_ = status;
    return nullptr;
  }
  program = std::move(created);
  return program.get();
}
