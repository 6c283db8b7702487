#include "platform/gfx/EffectSource.h"

#include <map>
#include <optional>
#include <set>

namespace {

bool IsWordStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsWordChar(char c) { return IsWordStart(c) || (c >= '0' && c <= '9'); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trimmed(std::string_view line) {
  while (!line.empty() && (IsBlank(line.front()) || line.front() == '\n')) line.remove_prefix(1);
  while (!line.empty() && (IsBlank(line.back()) || line.back() == '\n')) line.remove_suffix(1);
  return line;
}

std::string Describe(std::string_view token) {
  if (token.empty()) return "the end of the file";
  return "\"" + std::string(token) + "\"";
}

// A recursive-descent reader of the effect-file structure. Blocks are taken verbatim; stage
// references are resolved after the whole file is read, so blocks may follow the techniques.
// While unresolved, a pass's stages carry only the referenced name and the line of the reference.
class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Run(EffectSource& source) {
    while (ok_) {
      const std::string_view word = Next();
      if (!ok_ || word.empty()) break;
      if (word == "technique") ParseTechnique(source);
      else if (word == "shader") ParseShader();
      else if (word == "optimization") ParseOptimization();
      else Fail("expected \"technique\", \"shader\" or \"optimization\", found " + Describe(word));
    }
    for (EffectTechnique& technique : source.techniques)
      for (EffectPass& pass : technique.passes) ResolvePass(pass);
    return ok_;
  }

  const std::string& error() const { return error_; }

 private:
  void Fail(const std::string& message) { Fail(line_, message); }
  void Fail(int line, const std::string& message) {
    if (ok_) error_ = "line " + std::to_string(line) + ": " + message;
    ok_ = false;
  }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
  void Advance() {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }

  void SkipBlockComment() {
    const int start = line_;
    pos_ += 2;
    while (!AtEnd() && !(Peek() == '*' && Peek(1) == '/')) Advance();
    if (AtEnd()) return Fail(start, "a comment opened with /* here is never closed");
    pos_ += 2;
  }

  void SkipSpaceAndComments() {
    while (ok_ && !AtEnd()) {
      if (IsBlank(Peek()) || Peek() == '\n') Advance();
      else if (Peek() == '/' && Peek(1) == '/') while (!AtEnd() && Peek() != '\n') Advance();
      else if (Peek() == '/' && Peek(1) == '*') SkipBlockComment();
      else return;
    }
  }

  // The next word or symbol; empty at the end of the text or after an error.
  std::string_view Next() {
    SkipSpaceAndComments();
    if (!ok_ || AtEnd()) return {};
    const size_t start = pos_;
    if (IsWordStart(Peek())) {
      while (!AtEnd() && IsWordChar(Peek())) ++pos_;
    } else if (text_.substr(pos_, 3) == "<<<") {
      pos_ += 3;
    } else if (std::string_view("{}=;").find(Peek()) != std::string_view::npos) {
      ++pos_;
    } else {
      Fail("unexpected character (byte " + std::to_string(static_cast<unsigned char>(Peek())) + ")");
      return {};
    }
    return text_.substr(start, pos_ - start);
  }

  void Expect(std::string_view wanted) {
    const std::string_view found = Next();
    if (ok_ && found != wanted) Fail("expected \"" + std::string(wanted) + "\", found " + Describe(found));
  }

  std::string Name(const char* what) {
    const std::string_view found = Next();
    if (ok_ && (found.empty() || !IsWordStart(found.front())))
      Fail(std::string("expected the name of the ") + what + ", found " + Describe(found));
    return std::string(found);
  }

  void ParseTechnique(EffectSource& source) {
    EffectTechnique technique{Name("technique"), {}};
    const int line = line_;
    Expect("{");
    for (std::string_view word = Next(); ok_ && word != "}"; word = Next()) {
      if (word == "pass") technique.passes.push_back(ParsePass());
      else Fail("expected \"pass\" or \"}\" in technique \"" + technique.name + "\", found " + Describe(word));
    }
    if (ok_ && technique.passes.empty()) Fail(line, "technique \"" + technique.name + "\" has no pass");
    source.techniques.push_back(std::move(technique));
  }

  EffectPass ParsePass() {
    EffectPass pass;
    pass.name = Name("pass");
    const int line = line_;
    Expect("{");
    for (std::string_view word = Next(); ok_ && word != "}"; word = Next()) ParseAssignment(word, pass);
    if (ok_ && pass.fragment.name.empty()) Fail(line, "pass \"" + pass.name + "\" names no fragment stage");
    return pass;
  }

  void ParseAssignment(std::string_view key, EffectPass& pass) {
    if (key != "vertex" && key != "fragment")
      return Fail("expected \"vertex\", \"fragment\" or \"}\" in pass \"" + pass.name + "\", found " + Describe(key));
    const bool vertex = key == "vertex";
    if ((vertex && pass.vertex) || (!vertex && !pass.fragment.name.empty()))
      return Fail("pass \"" + pass.name + "\" names its " + std::string(key) + " stage twice");
    Expect("=");
    EffectStage reference{Name("shader block"), {}, line_};
    Expect(";");
    if (vertex) pass.vertex = std::move(reference);
    else pass.fragment = std::move(reference);
  }

  // The value itself is read by EffectCompileFlagsFor from the raw text; here it is only checked,
  // so that a misspelt value is reported instead of silently meaning "on".
  void ParseOptimization() {
    const int line = line_;
    if (optimizationSeen_) return Fail(line, "optimization is set twice");
    optimizationSeen_ = true;
    Expect("=");
    const std::string_view value = Next();
    if (ok_ && value != "true" && value != "false")
      return Fail("expected \"true\" or \"false\" for optimization, found " + Describe(value));
    Expect(";");
  }

  void ParseShader() {
    EffectStage stage{Name("shader block"), {}, 0};
    Expect("<<<");
    if (!ok_) return;
    const int opened = line_;
    SkipRestOfMarkerLine();
    if (!ok_) return;
    stage.firstLine = line_;
    stage.code = std::string(BlockText(opened, stage.name));
    if (ok_ && !stages_.emplace(stage.name, stage).second)
      Fail(opened, "a shader block named \"" + stage.name + "\" exists already");
  }

  void SkipRestOfMarkerLine() {
    while (!AtEnd() && IsBlank(Peek())) ++pos_;
    if (!AtEnd() && Peek() != '\n') return Fail("nothing may follow <<< on its line");
    if (!AtEnd()) Advance();
  }

  // The lines up to the one holding only ">>>", which is consumed.
  std::string_view BlockText(int opened, const std::string& name) {
    const size_t start = pos_;
    while (!AtEnd()) {
      const size_t end = text_.find('\n', pos_);
      const size_t lineEnd = end == std::string_view::npos ? text_.size() : end;
      const std::string_view line = text_.substr(pos_, lineEnd - pos_);
      const size_t lineStart = pos_;
      pos_ = end == std::string_view::npos ? text_.size() : end + 1;
      if (end != std::string_view::npos) ++line_;
      if (Trimmed(line) == ">>>") return text_.substr(start, lineStart - start);
    }
    Fail(opened, "shader block \"" + name + "\" is never closed by a line holding only >>>");
    return {};
  }

  void Resolve(EffectStage& reference) {
    const auto found = stages_.find(reference.name);
    if (found == stages_.end()) return Fail(reference.firstLine, "no shader block is named \"" + reference.name + "\"");
    copiedBytes_ += found->second.code.size();
    if (copiedBytes_ > kMaxCopiedBytes) return Fail(reference.firstLine, "the passes use more than 64 MB of shader text");
    reference = found->second;
  }

  void ResolvePass(EffectPass& pass) {
    if (pass.vertex) Resolve(*pass.vertex);
    Resolve(pass.fragment);
  }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  bool ok_ = true;
  std::string error_;
  std::map<std::string, EffectStage> stages_;
  bool optimizationSeen_ = false;
  // Each pass gets its own copy of its blocks; the budget keeps a file of many passes over one
  // huge block from exhausting memory.
  static constexpr size_t kMaxCopiedBytes = 64u * 1024u * 1024u;
  size_t copiedBytes_ = 0;
};

}  // namespace

bool EffectSource::Parse(std::string_view text, EffectSource& source, std::string& error) {
  source.techniques.clear();
  Parser parser(text);
  const bool ok = parser.Run(source);
  error = ok ? std::string() : parser.error();
  return ok;
}
