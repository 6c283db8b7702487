#pragma once

// What the copy command did. None of these is reported to the user except NoPhotoSelected.
enum class PhotoCopyOutcome {
  NoPhotoSelected,  // the hint was shown
  Cancelled,        // the save dialog returned no path
  Copied,
  Failed,  // the target existed or the copy failed; nothing was written
};
