#include "platform/gfx/EffectFile.h"

#include "platform/gfx/EffectCompileFlags.h"
#include "platform/gfx/EffectSource.h"
#include "platform/gfx/FileBytes.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/sys/StringConvert.h"

namespace {

std::u16string Quoted(const std::u16string& fileName) { return u"\"" + fileName + u"\""; }

}  // namespace

EffectFile EffectFile::Load(GraphicsDevice* device, const std::u16string& path) {
  EffectFile file;
  if (device == nullptr || path.empty()) return file;
  std::string text;
  if (!ReadWholeFile(path, kMaxFileBytes, text).Succeeded() || text.empty()) return file;
  file.compileFlags_ = EffectCompileFlagsFor(text);
  const std::u16string fileName = FileNameOf(path);
  file.Compile(*device, text, fileName);
  if (file.effect_) file.ChooseTechnique(fileName);
  return file;
}

// The parser's messages stand for the compiler's: both say why the text is no effect.
void EffectFile::Compile(GraphicsDevice& device, const std::string& text, const std::u16string& fileName) {
  EffectSource source;
  std::string messages;
  if (EffectSource::Parse(text, source, messages)) effect_ = device.CreateEffect(source, compileFlags_, messages);
  if (effect_ || messages.empty()) return;
  errorText_ = u"Error loading Effect " + Quoted(fileName) + u"\n\n" + WidenLatin1(messages);
}

void EffectFile::ChooseTechnique(const std::u16string& fileName) {
  if (effect_->TechniqueCount() == 0) {
    errorText_ = u"Error getting Technique from Effect " + Quoted(fileName);
    return;
  }
  if (!effect_->SetTechnique(0)) {
    errorText_ = u"Error setting Technique from Effect " + Quoted(fileName);
    return;
  }
  effect_->FindParameters();
}

bool EffectFile::Draw(GraphicsDevice& device, const Mesh& mesh, const EffectParameters& parameters) const {
  if (!effect_) return device.DrawMesh(mesh);
  return device.DrawMeshWithEffect(mesh, *effect_, parameters);
}

void EffectFile::Release() {
  effect_.reset();
  errorText_.clear();
}

std::u16string EffectFile::FileNameOf(std::u16string_view path) {
  const size_t last = path.find_last_of(u"/:\\");
  return std::u16string(last == std::u16string_view::npos ? path : path.substr(last + 1));
}
