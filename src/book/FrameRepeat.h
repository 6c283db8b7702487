#pragma once

#include "book/DrawRecord.h"

// Lets the renderer leave a frame undrawn when it would draw exactly what its target already
// shows: the movie export holds on a photo for many frames in which nothing moves. Owned by
// whoever keeps the target's picture between frames (the export); nothing else may draw into
// that target while this is in use. User-interface thread only.
struct FrameRepeat {
  // What the target's picture was drawn from; an unusable record: nothing known.
  DrawRecord last;
  // Set by each frame: true when the frame equalled the last and the target was left as it was.
  bool repeated = false;
};
