#pragma once

#include <string>

// Where this user's and this program's files live. Each returns an empty string when the
// place cannot be determined; none of them creates anything.

// Full path of the running program file, from /proc/self/exe.
std::u16string ExecutablePath();

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
std::u16string ConfigHome();

// The XDG documents folder: $XDG_DOCUMENTS_DIR, else the XDG_DOCUMENTS_DIR line of
// user-dirs.dirs in ConfigHome(), else $HOME/Documents.
std::u16string DocumentsHome();
