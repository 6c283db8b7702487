#pragma once

#include "photos/OrientationChange.h"
#include "photos/PhotoCommandContext.h"
#include "photos/PhotoCopyOutcome.h"
#include "photos/PhotoList.h"
#include "settings/PhotoRotation.h"

// The photo commands act on the selected photo, a valid index of photos; any other index
// shows the context's hint with an information icon and changes nothing. They never modify,
// rename or delete a photo file. User-interface thread only.

// The orientation after change. Rotations count quarter turns in bits 0-1 and keep the flip
// bits 2 and 3 (higher bits are dropped); flips toggle their bit and keep all others.
PhotoRotation ChangedOrientation(PhotoRotation rotation, OrientationChange change);

// Stores the changed orientation in the photo's entry and in the settings for its path.
// False when no photo was selected.
bool ChangeOrientation(OrientationChange change, PhotoList& photos, int selectedPhoto,
                       const PhotoCommandContext& context);

// Asks for a target with the photo-save dialog, starting at the photo's path, and copies the
// file there; an existing file at the target is never replaced.
PhotoCopyOutcome CopyPhoto(const PhotoList& photos, int selectedPhoto, const PhotoCommandContext& context);
