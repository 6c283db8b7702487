#pragma once

#include <string>

// The recent-path form of a folder or photo the user names outside the photo dialog (command
// line, drop): a photo's path as it is, a folder's path with one "/" after it, so that the
// folder part is the folder itself. Empty when nothing readable is there, or when
// it is neither a folder nor a file (a pipe or device has no photo to show). Relative paths are
// read against the working folder.
std::u16string PathToOpen(const std::u16string& path);
