#pragma once

#include <cstdint>
#include <string>

// Path helpers. Paths are joined with "/", which is the only separator.

// Folder of the running program, without a trailing separator.
std::u16string ExecutableFolder();

// Everything before the last "/" (the whole path when it has none).
std::u16string FolderOf(const std::u16string& path);
// Everything after the last "/".
std::u16string FileNameOf(const std::u16string& path);
// Upper-cased extension: empty for paths of at most 2 characters or ending in "/"; a "?" query
// and a "#" fragment are not part of it; empty when the text after the "." holds a separator.
std::u16string ExtensionOf(const std::u16string& path);
// Upper-cases the ASCII letters only, so the result is the same in every locale.
std::u16string AsciiUpper(std::u16string text);

// Something that is not a folder is there (a pipe or device too, such as /dev/null).
bool FileExists(const std::u16string& path);
bool FolderExists(const std::u16string& path);
// 0 for an empty path or a file that cannot be opened.
int64_t FileSize(const std::u16string& path);
// "3 GB", "1023 KB", "12 bytes": whole units, no separators.
std::u16string SizeText(int64_t bytes);

// True when deleted, or when path is empty. A read-only file is deleted only with clearReadOnly.
bool DeleteFile(const std::u16string& path, bool clearReadOnly);
// True when moved, or when either path is empty. Never replaces an existing file.
bool MoveFile(const std::u16string& from, const std::u16string& to);
// True when the whole path exists as a folder afterwards; each folder it creates is reported
// on the debug output as New folder created: "<folder>".
bool CreateFolderChain(const std::u16string& path);

// The per-user configuration folder plus "/maker/product", created when missing; empty on failure.
std::u16string AppDataFolder(const std::u16string& maker, const std::u16string& product);
// The user's documents folder plus "/product", created when missing; empty on failure.
std::u16string DocumentsFolder(const std::u16string& product);
