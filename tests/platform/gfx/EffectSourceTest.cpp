#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/EffectSource.h"

namespace {

constexpr const char* kTwoTechniques = R"(// a comment with { braces } and technique words
technique First
{
  pass One { fragment = Tint; }
  pass Two
  {
    vertex = Move;   /* block comment
                        over two lines */
    fragment = Tint;
  }
}
technique Second { pass Only { fragment = Tint; } }

shader Tint
<<<
void main() { if (true) { x = 1; }}
  >>>
shader Move <<<
void main() {}
>>>
)";

struct Parsed {
  bool ok = false;
  EffectSource source;
  std::string error;
};

Parsed Parse(std::string_view text) {
  Parsed parsed;
  parsed.ok = EffectSource::Parse(text, parsed.source, parsed.error);
  return parsed;
}

TEST(EffectSourceTest, TakesTechniquesPassesAndBlocksApartInFileOrder) {
  const Parsed parsed = Parse(kTwoTechniques);
  ASSERT_TRUE(parsed.ok) << parsed.error;
  ASSERT_EQ(parsed.source.techniques.size(), 2u);
  const EffectTechnique& first = parsed.source.techniques[0];
  EXPECT_EQ(first.name, "First");
  ASSERT_EQ(first.passes.size(), 2u);
  EXPECT_EQ(first.passes[0].name, "One");
  EXPECT_FALSE(first.passes[0].vertex.has_value());
  // Blocks are verbatim: braces inside need no balancing, the closing marker may be indented.
  EXPECT_EQ(first.passes[0].fragment.code, "void main() { if (true) { x = 1; }}\n");
  EXPECT_EQ(first.passes[0].fragment.firstLine, 16);
  ASSERT_TRUE(first.passes[1].vertex.has_value());
  EXPECT_EQ(first.passes[1].vertex->name, "Move");
  EXPECT_EQ(first.passes[1].vertex->code, "void main() {}\n");
  EXPECT_EQ(first.passes[1].vertex->firstLine, 19);
  EXPECT_EQ(parsed.source.techniques[1].name, "Second");
}

TEST(EffectSourceTest, ANearlyEmptyFileHasNoTechnique) {
  for (const char* text : {"", "   \n\t", "// only a comment", "/* a block */",
                           "shader Unused\n<<<\nvoid main() {}\n>>>\n"}) {
    const Parsed parsed = Parse(text);
    EXPECT_TRUE(parsed.ok) << text << ": " << parsed.error;
    EXPECT_TRUE(parsed.source.techniques.empty()) << text;
  }
}

TEST(EffectSourceTest, WindowsLineEndsAreAccepted) {
  const Parsed parsed = Parse("technique T\r\n{\r\n pass P { fragment = F; }\r\n}\r\nshader F\r\n<<<\r\nvoid main(){}\r\n>>>\r\n");
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.source.techniques[0].passes[0].fragment.code, "void main(){}\r\n");
}

struct BrokenCase {
  const char* text;
  const char* error;
};

TEST(EffectSourceTest, BrokenStructureIsReportedWithItsLine) {
  const BrokenCase cases[] = {
      {"shader F\n<<<\nvoid main() {}\n", "line 2: shader block \"F\" is never closed by a line holding only >>>"},
      {"technique T {\n pass P {\n fragment = F;\n", "line 4: expected \"vertex\", \"fragment\" or \"}\" in pass \"P\", found the end of the file"},
      {"/* open\n\n", "line 1: a comment opened with /* here is never closed"},
      {"technique T {\n pass P { fragment = Missing; }\n}\n", "line 2: no shader block is named \"Missing\""},
      {"technique T {\n pass P { vertex = V; }\n}\n", "line 2: pass \"P\" names no fragment stage"},
      {"technique T\n{\n}\n", "line 1: technique \"T\" has no pass"},
      {"technique T { pass P { fragment = F; fragment = F; } }", "line 1: pass \"P\" names its fragment stage twice"},
      {"shader F\n<<< extra\n>>>\n", "line 2: nothing may follow <<< on its line"},
      {"shader F\n<<<\n>>>\nshader F\n<<<\n>>>\n", "line 5: a shader block named \"F\" exists already"},
      {"effect X", "line 1: expected \"technique\", \"shader\" or \"optimization\", found \"effect\""},
      {"optimization = off;", "line 1: expected \"true\" or \"false\" for optimization, found \"off\""},
      {"optimization = true;\n optimization = true;", "line 2: optimization is set twice"},
      {"optimization false;", "line 1: expected \"=\", found \"false\""},
      {"technique { }", "line 1: expected the name of the technique, found \"{\""},
      {"technique T { pass P { fragment F; } }", "line 1: expected \"=\", found \"F\""},
  };
  for (const BrokenCase& broken : cases) {
    const Parsed parsed = Parse(broken.text);
    EXPECT_FALSE(parsed.ok) << broken.text;
    EXPECT_EQ(parsed.error, broken.error) << broken.text;
  }
}

TEST(EffectSourceTest, BytesThatAreNoTextGiveAMessageNotACrash) {
  const Parsed stray = Parse(std::string("technique T \xFF\xFE {", 16));
  EXPECT_FALSE(stray.ok);
  EXPECT_EQ(stray.error, "line 1: unexpected character (byte 255)");
  const Parsed nul = Parse(std::string("technique\0T", 11));
  EXPECT_FALSE(nul.ok);
  EXPECT_EQ(nul.error, "line 1: unexpected character (byte 0)");
  // Inside a block any bytes pass through to the compiler unchanged.
  const std::string block =
      "shader F\n<<<\n" + std::string("\xC3\x28\xFF\0\n", 5) + ">>>\ntechnique T { pass P { fragment = F; } }";
  const Parsed inside = Parse(block);
  ASSERT_TRUE(inside.ok) << inside.error;
  EXPECT_EQ(inside.source.techniques[0].passes[0].fragment.code, std::string("\xC3\x28\xFF\0\n", 5));
}

TEST(EffectSourceTest, HugeFilesParseOrFailWithoutExhaustingMemory) {
  std::string text = "technique T {\n pass Big { fragment = Huge; }\n";
  for (int i = 0; i < 20000; ++i) text += " pass P" + std::to_string(i) + " { fragment = F; }\n";
  text += "}\nshader F\n<<<\nvoid main() {}\n>>>\nshader Huge\n<<<\n";
  text.append(8 * 1024 * 1024, 'x');
  text += "\n>>>\n";
  const Parsed parsed = Parse(text);
  ASSERT_TRUE(parsed.ok) << parsed.error;
  ASSERT_EQ(parsed.source.techniques[0].passes.size(), 20001u);
  EXPECT_EQ(parsed.source.techniques[0].passes.back().fragment.firstLine, 20006);
  // Many passes over the huge block would copy it beyond the budget.
  std::string many = "technique T {\n";
  for (int i = 0; i < 9; ++i) many += " pass P" + std::to_string(i) + " { fragment = Huge; }\n";
  many += "}\nshader Huge\n<<<\n" + std::string(8 * 1024 * 1024, 'x') + "\n>>>\n";
  EXPECT_EQ(Parse(many).error, "line 9: the passes use more than 64 MB of shader text");
  // The text without its closing marker fails at the block's opening line.
  text.resize(text.size() - 5);
  EXPECT_EQ(Parse(text).error, "line 20009: shader block \"Huge\" is never closed by a line holding only >>>");
}

}  // namespace
