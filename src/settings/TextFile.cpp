#include "settings/TextFile.h"

#include <algorithm>

#include "platform/sys/StringConvert.h"
#include "settings/CNumberText.h"

namespace {

constexpr size_t kReadChunk = 65536;

bool IsSeparator(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Replaces every occurrence, left to right; skipped when it could never terminate or change.
void ReplaceAll(std::u16string& text, std::u16string_view pattern, std::u16string_view replacement) {
  if (pattern.empty() || pattern == replacement || replacement.find(pattern) != std::u16string_view::npos) return;
  for (size_t at = text.find(pattern); at != std::u16string::npos; at = text.find(pattern, at + replacement.size()))
    text.replace(at, pattern.size(), replacement);
}

}  // namespace

bool TextFile::Open(const std::u16string& path, bool forWriting, bool loadWholeFileIntoMemory) {
  line_.clear();
  tokens_.clear();
  pendingLine_.clear();
  lineHasToken_ = false;
  writeFailed_ = false;
  buffer_.clear();
  bufferPosition_ = 0;
  havePushedBack_ = false;
  if (!file_.Open(path, forWriting, !forWriting && loadWholeFileIntoMemory)) return false;
  if (forWriting) {
    const uint8_t mark[2] = {0xFF, 0xFE};
    writeFailed_ = !file_.Write(mark, 2);
    return true;
  }
  FillBuffer();
  utf16_ = buffer_.size() >= 2 && buffer_[0] == 0xFF && buffer_[1] == 0xFE;
  if (utf16_) bufferPosition_ = 2;
  return true;
}

bool TextFile::FillBuffer() {
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(bufferPosition_));
  bufferPosition_ = 0;
  const size_t kept = buffer_.size();
  buffer_.resize(kept + kReadChunk);
  const uint32_t got = file_.ReadSome(buffer_.data() + kept, kReadChunk);
  buffer_.resize(kept + got);
  return got > 0;
}

bool TextFile::NextCharacter(char16_t& c) {
  if (havePushedBack_) {
    havePushedBack_ = false;
    c = pushedBack_;
    return true;
  }
  const size_t width = utf16_ ? 2 : 1;
  if (buffer_.size() - bufferPosition_ < width && !FillBuffer()) return false;
  if (buffer_.size() - bufferPosition_ < width) return false;  // a stray odd byte at the end
  const uint8_t* at = buffer_.data() + bufferPosition_;
  c = utf16_ ? static_cast<char16_t>(at[0] | (at[1] << 8)) : at[0];
  bufferPosition_ += width;
  return true;
}

bool TextFile::ReadLine() {
  line_.clear();
  tokens_.clear();
  if (!file_.ok()) return false;
  char16_t c;
  for (;;) {
    if (!NextCharacter(c)) return false;
    if (c == u'\n') break;
    if (c == u'\r') {
      if (!NextCharacter(c)) return false;
      if (c != u'\n') {
        pushedBack_ = c;
        havePushedBack_ = true;
      }
      break;
    }
    if (line_.size() < kLineLimit) line_ += c;
  }
  Tokenise();
  return true;
}

void TextFile::Tokenise() {
  const size_t n = line_.size();
  size_t i = 0;
  while (tokens_.size() < kTokenCount) {
    while (i < n && IsSeparator(line_[i])) ++i;
    if (i >= n) return;
    size_t start = i, end;
    if (line_[i] == u'"') {
      start = i + 1;
      end = std::min(line_.find(u'"', start), n);
      i = end < n ? end + 1 : n;
    } else {
      while (i < n && !IsSeparator(line_[i])) ++i;
      end = i;
    }
    tokens_.push_back(line_.substr(start, std::min(end - start, kTokenLimit)));
  }
}

std::u16string TextFile::Unescape(std::u16string text, bool backslashN) {
  ReplaceAll(text, u"<NEW LINE>", u"\r\n");
  ReplaceAll(text, u"<QUOTE>", u"\"");
  ReplaceAll(text, u"<br />", u"\r\n");
  ReplaceAll(text, u"&#34;", u"\"");
  if (backslashN) ReplaceAll(text, u"\\n", u"\r\n");
  return text;
}

std::u16string TextFile::Escape(std::u16string text) {
  ReplaceAll(text, u"\r\n", u"<br />");
  ReplaceAll(text, u"\n", u"<br />");
  ReplaceAll(text, u"\r", u"<br />");
  ReplaceAll(text, u"\"", u"&#34;");
  return text;
}

std::u16string TextFile::WholeLine(bool unescape, bool backslashN) const {
  return unescape ? Unescape(line_, backslashN) : line_;
}

std::u16string TextFile::Token(size_t i, bool unescape) const {
  if (i >= tokens_.size()) return {};
  return unescape ? Unescape(tokens_[i], false) : tokens_[i];
}

int32_t TextFile::TokenInteger(size_t i) const { return ParseInteger(Token(i, false)); }

float TextFile::TokenFloat(size_t i) const { return static_cast<float>(ParseReal(Token(i, false))); }

bool TextFile::TokenBoolean(size_t i) const { return Token(i, false) == u"Y"; }

void TextFile::WriteToken(std::u16string_view text) {
  if (text == u"\t") {
    pendingLine_ += text;
    return;
  }
  std::u16string token = Escape(std::u16string(text));
  if (token.empty()) {
    pendingLine_ += u"\t\"\"";
  } else {
    if (lineHasToken_) pendingLine_ += u'\t';
    const bool quote = token.find_first_of(u" \t") != std::u16string::npos;
    pendingLine_ += quote ? u"\"" + token + u"\"" : token;
  }
  lineHasToken_ = true;
}

void TextFile::WriteInteger(int32_t value) { WriteToken(WidenLatin1(std::to_string(value))); }

void TextFile::WriteFloat(float value) { WriteToken(FormatG(value)); }

void TextFile::WriteBoolean(bool value) { WriteToken(value ? u"Y" : u"N"); }

void TextFile::EndLine() {
  pendingLine_ += u"\r\n";
  std::vector<uint8_t> bytes(pendingLine_.size() * 2);
  for (size_t i = 0; i < pendingLine_.size(); ++i) {
    bytes[2 * i] = static_cast<uint8_t>(pendingLine_[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<uint8_t>(pendingLine_[i] >> 8);
  }
  if (!file_.Write(bytes.data(), static_cast<uint32_t>(bytes.size()))) writeFailed_ = true;
  pendingLine_.clear();
  lineHasToken_ = false;
}

void TextFile::WriteStringLine(std::u16string_view key, std::u16string_view value) {
  WriteToken(key);
  WriteToken(value);
  EndLine();
}

void TextFile::WriteIntegerLine(std::u16string_view key, int32_t value) {
  WriteToken(key);
  WriteInteger(value);
  EndLine();
}

void TextFile::WriteFloatLine(std::u16string_view key, float value) {
  WriteToken(key);
  WriteFloat(value);
  EndLine();
}

void TextFile::WriteBooleanLine(std::u16string_view key, bool value) {
  WriteToken(key);
  WriteBoolean(value);
  EndLine();
}

void TextFile::WriteColourLine(std::u16string_view key, float r, float g, float b) {
  WriteToken(key);
  WriteFloat(r);
  WriteFloat(g);
  WriteFloat(b);
  EndLine();
}

bool TextFile::Close() {
  const bool wasOpen = file_.ok();
  const bool flushed = file_.Close();
  return wasOpen && flushed && !writeFailed_;
}
