#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzTargets.h"

// Every kept input (the seed corpus and each input a fuzzer once found a fault with) goes
// through its fuzz entry point again; a fault that returns aborts this test program.

namespace {

using Entry = void (*)(std::string_view);

std::vector<std::filesystem::path> KeptInputs(const std::string& target) {
  std::vector<std::filesystem::path> inputs;
  for (const char* kind : {"corpus", "regressions"}) {
    const std::filesystem::path folder = std::filesystem::path(PAGEWING_FUZZ_DIR) / kind / target;
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  return inputs;
}

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The seed corpus is never empty, so a wrong folder fails instead of passing with nothing run.
void RunKeptInputs(const std::string& target, Entry entry) {
  const std::vector<std::filesystem::path> inputs = KeptInputs(target);
  ASSERT_FALSE(inputs.empty()) << "no kept inputs for " << target;
  for (const std::filesystem::path& input : inputs) {
    SCOPED_TRACE(input.string());
    entry(Contents(input));
  }
}

}  // namespace

TEST(FuzzInputsTest, SettingsFiles) { RunKeptInputs("settings", FuzzSettingsFile); }
TEST(FuzzInputsTest, LocaleFiles) { RunKeptInputs("locale", FuzzLocaleFile); }
TEST(FuzzInputsTest, EffectFiles) { RunKeptInputs("effect", FuzzEffectFile); }
TEST(FuzzInputsTest, ImageFiles) { RunKeptInputs("image", FuzzImageFile); }
