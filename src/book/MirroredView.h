#pragma once

// The camera view that shows, in a book bound on the other side, the part of the book that view
// shows now: Left and Right (2, 3), the photo close-ups across the spine (4 and 6, 5 and 7) and
// the two side views (8, 9) swap; Front, Top and anything that is no view stay. A right-to-left
// book is the left-to-right one mirrored across the spine, so its tour and clicks take these.
constexpr int MirroredView(int view) {
  switch (view) {
    case 2:
    case 8:
      return view + 1;
    case 3:
    case 9:
      return view - 1;
    case 4:
    case 5:
      return view + 2;
    case 6:
    case 7:
      return view - 2;
    default:
      return view;
  }
}
