#pragma once

// Progress of a leaf or of the interleaf lying completely on the left; 0 is lying on the right.
inline constexpr float FullTurn = 1.294f;
