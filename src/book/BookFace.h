#pragma once

// The five page faces of the scene, in the order the application creates them.
enum class BookFace {
  LeftStatic,    // seen lying on the left (side 0)
  TurningFront,  // the turning leaf's front, seen while it lies on the right (side 1)
  TurningBack,   // the turning leaf's back (side 0)
  RightStatic,   // side 1
  Interleaf,     // the transparent sheet (side 1)
};

inline constexpr int kBookFaceCount = 5;
