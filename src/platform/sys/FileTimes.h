#pragma once

#include <cstdint>
#include <string>

// The creation time of a file in whole seconds since 1970-01-01 UTC: its birth time where the
// file system keeps one, else its last modification time. The file is opened for reading, so a
// missing or unreadable file and a folder give false.
bool FileCreationTime(const std::u16string& path, int64_t& unixSeconds);
