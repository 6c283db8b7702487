#pragma once

#include <cstdint>
#include <string>

// File-system primitives over the operating system. Paths are full UTF-16 paths with "/".
// Each returns false (or a neutral value) on any failure; none of them throws.

// Symbolic links are followed. File means a regular file; a pipe, socket or device is Other.
enum class PathKind { Missing, File, Folder, Other };

PathKind KindOfPath(const std::u16string& path);

// Whether this process may read the file, or list the folder, at path.
bool IsReadable(const std::u16string& path);
// Whether this process may write the existing file at path (the owner and permission rules;
// IsReadOnly is the program's own rule, which also holds for the administrator).
bool IsWritable(const std::u16string& path);

// The process's working folder, against which relative paths given by the user are read.
std::u16string CurrentFolder();

// Creates one folder whose parent exists.
bool MakeFolder(const std::u16string& path);

// A file without any write permission bit counts as read-only, as the Windows attribute did.
bool IsReadOnly(const std::u16string& path);
bool ClearReadOnly(const std::u16string& path);
bool MakeReadOnly(const std::u16string& path);

// Removes a file, pipe or socket (never a folder).
bool RemoveFile(const std::u16string& path);

// Moves a file without ever replacing an existing target, also across file systems.
bool MoveWithoutReplacing(const std::u16string& from, const std::u16string& to);

// The file a path finally names: symbolic links followed (at most 40 of them), relative ones
// from the link's folder. A path that is no link comes back unchanged; a dangling link gives the
// missing path it points to.
std::u16string ResolveLinks(const std::u16string& path);

// Atomically puts from in the place of to, replacing to when it exists (same file system).
bool ReplaceFile(const std::u16string& from, const std::u16string& to);

// Copies the file from to the new file to; fails, touching nothing, when anything exists at to.
// A copy that fails part-way removes what it wrote.
bool CopyFileExclusive(const std::u16string& from, const std::u16string& to);
