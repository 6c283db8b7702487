#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "photos/DiskFile.h"

// Line and token reader and writer of the settings file and the locale files.
//
// Written files are UTF-16LE with a byte-order mark, one CR LF line per record, tokens
// separated by one TAB. Read files are UTF-16LE when they start with FF FE, otherwise 8-bit
// text taken one byte per character. One object serves one read or one write; not shared
// between threads.
class TextFile {
 public:
  static constexpr size_t kLineLimit = 3000;
  static constexpr size_t kTokenLimit = 2000;
  static constexpr size_t kTokenCount = 10;

  // Writing deletes the file at path first, creates it and writes the byte-order mark.
  bool Open(const std::u16string& path, bool forWriting, bool loadWholeFileIntoMemory);
  bool ok() const { return file_.ok(); }

  // Reads the next line; false at the end of the file. A last line without a line break
  // is not delivered.
  bool ReadLine();
  // The line as read (at most 3000 characters), optionally with the escapes replaced.
  std::u16string WholeLine(bool unescape, bool backslashN) const;
  // Token i of the line; a missing token is empty (and reads as 0 or false).
  std::u16string Token(size_t i, bool unescape = true) const;
  int32_t TokenInteger(size_t i) const;
  float TokenFloat(size_t i) const;
  // True only for a token that is exactly "Y".
  bool TokenBoolean(size_t i) const;
  size_t TokenCount() const { return tokens_.size(); }

  void WriteToken(std::u16string_view text);
  void WriteInteger(int32_t value);
  void WriteFloat(float value);
  void WriteBoolean(bool value);
  // Writes the finished line to the disk at once.
  void EndLine();

  void WriteStringLine(std::u16string_view key, std::u16string_view value);
  void WriteIntegerLine(std::u16string_view key, int32_t value);
  void WriteFloatLine(std::u16string_view key, float value);
  void WriteBooleanLine(std::u16string_view key, bool value);
  void WriteColourLine(std::u16string_view key, float r, float g, float b);

  // Closes the file. For a written file: true only when every byte reached the disk.
  bool Close();

  // The read escapes, applied in their fixed order.
  static std::u16string Unescape(std::u16string text, bool backslashN);
  // The write escapes: line breaks become "<br />", double quotes "&#34;".
  static std::u16string Escape(std::u16string text);

 private:
  bool NextCharacter(char16_t& c);
  bool FillBuffer();
  void Tokenise();

  DiskFile file_;
  bool utf16_ = false;
  bool writeFailed_ = false;
  std::vector<uint8_t> buffer_;
  size_t bufferPosition_ = 0;
  bool havePushedBack_ = false;
  char16_t pushedBack_ = 0;
  std::u16string line_;
  std::vector<std::u16string> tokens_;
  std::u16string pendingLine_;
  bool lineHasToken_ = false;
};
