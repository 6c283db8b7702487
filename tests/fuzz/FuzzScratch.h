#pragma once

#include <string>
#include <string_view>

// One folder for the files a fuzz entry writes, made once a process: in memory (/dev/shm)
// where there is one, so that a fuzzer's millions of writes never reach a disk.
const std::u16string& FuzzScratchFolder();

// Writes bytes as the file name in the scratch folder (replacing it) and returns its path.
std::u16string WriteFuzzFile(const std::u16string& name, std::string_view bytes);

// Aborts with the message when the condition is false: the fuzzer then keeps the input.
void FuzzCheck(bool condition, const char* message);
