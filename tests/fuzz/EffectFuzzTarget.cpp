#include <string>

#include "fuzz/FuzzScratch.h"
#include "fuzz/FuzzTargets.h"
#include "platform/gfx/EffectCompileFlags.h"
#include "platform/gfx/EffectFile.h"
#include "platform/gfx/EffectSource.h"
#include "platform/gfx/GLEffectShaderText.h"
#include "platform/gfx/NullDevice.h"

namespace {

// The texts an OpenGL device would hand its compiler for every pass of a parsed file.
void BuildShaderTexts(std::string_view bytes) {
  EffectSource source;
  std::string error;
  if (!EffectSource::Parse(bytes, source, error)) {
    FuzzCheck(error.rfind("line ", 0) == 0, "a parse failure does not name its line");
    return;
  }
  const bool optimize = (EffectCompileFlagsFor(bytes) & kEffectCompileSkipOptimization) == 0;
  for (const EffectTechnique& technique : source.techniques) {
    for (const EffectPass& pass : technique.passes) {
      FuzzCheck(!GLEffectFragmentText(pass.fragment, optimize).empty(), "an empty fragment text");
      GLEffectVertexText(pass.vertex ? *pass.vertex : GLEffectDefaultVertexStage(), optimize);
    }
  }
}

}  // namespace

void FuzzEffectFile(std::string_view bytes) {
  NullDevice device;
  const EffectFile file = EffectFile::Load(&device, WriteFuzzFile(u"Fuzzed.fx", bytes));
  const int flags = file.compileFlags();
  FuzzCheck(bytes.empty() || flags == kEffectCompileDebug || flags == (kEffectCompileDebug | kEffectCompileSkipOptimization),
            "compile flags other than debug, or debug without optimisation");
  FuzzCheck(file.effect() == nullptr || file.errorText().empty() || file.effect()->TechniqueCount() == 0,
            "an effect that loaded carries an error text");
  BuildShaderTexts(bytes);
}
