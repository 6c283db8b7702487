#pragma once

#include <string>

// The compiler's log of a shader, or the linker's of a program (program true), without the
// terminating NUL; empty when there is none. Needs the object's context current.
std::string GLInfoLog(unsigned object, bool program);
