#pragma once

#include <cstdint>

#include "export/TourPicture.h"

// One frame of the exported movie: where it lies in the tour, what it shows, and what the
// driver has to do for it besides drawing.
struct ExportFrame {
  int32_t index = 0;           // movie frame number from 0; also the frames drawn before it
  int32_t round = 0;           // the spread tour it belongs to; tour r ends on spread r
  int32_t phase = 0;           // showcase phase 0..14
  int32_t step = 0;            // frames of this phase before this one
  float fraction = 0.0f;       // through the phase: 0 on its first frame, 1 on its last
  int32_t spread = 0;          // the open spread (CurrentPage / 2) while the frame is drawn
  int32_t photosShown = 0;     // camera moves onto a photo started up to this frame
  float exportSeconds = 0.0f;  // movie time, index / fps: the animation clock of this frame
  // The page turn starts here: shift the texture window forward for the coming spread.
  bool shiftTextures = false;
  // The page turn ends here: the next spread is open from this frame on; load its textures.
  bool loadSpread = false;
  // The movie's final frame; after it the export ends.
  bool last = false;
  TourPicture picture;

  bool operator==(const ExportFrame&) const = default;
};
