#include "photos/PhotoCommands.h"

#include "photos/FileDialogKind.h"
#include "platform/sys/FileSystem.h"

namespace {

constexpr PhotoRotation kFlipBits = kFlipHorizontal | kFlipVertical;

PhotoRotation Rotated(PhotoRotation rotation, int quarterTurns) {
  PhotoRotation turns = (rotation & kQuarterTurnsMask) + quarterTurns;
  if (turns > 3) turns -= 4;
  if (turns < 0) turns += 4;
  return (rotation & kFlipBits) + turns;
}

bool IsSelected(const PhotoList& photos, int selectedPhoto, const PhotoCommandContext& context) {
  if (photos.Contains(selectedPhoto)) return true;
  context.messages.ShowMessage(context.selectHint, MessageSink::Icon::Information);
  return false;
}

}  // namespace

PhotoRotation ChangedOrientation(PhotoRotation rotation, OrientationChange change) {
  switch (change) {
    case OrientationChange::RotateClockwise:
      return Rotated(rotation, 1);
    case OrientationChange::RotateCounterClockwise:
      return Rotated(rotation, -1);
    case OrientationChange::FlipHorizontal:
      return rotation ^ kFlipHorizontal;
    case OrientationChange::FlipVertical:
      return rotation ^ kFlipVertical;
  }
  return rotation;
}

bool ChangeOrientation(OrientationChange change, PhotoList& photos, int selectedPhoto,
                       const PhotoCommandContext& context) {
  if (!IsSelected(photos, selectedPhoto, context)) return false;
  PhotoEntry& photo = photos[selectedPhoto];
  photo.flags = ChangedOrientation(photo.flags, change);
  context.settings.SetPhotoRotation(photo.path, photo.flags);
  return true;
}

PhotoCopyOutcome CopyPhoto(const PhotoList& photos, int selectedPhoto, const PhotoCommandContext& context) {
  if (!IsSelected(photos, selectedPhoto, context)) return PhotoCopyOutcome::NoPhotoSelected;
  const std::u16string& source = photos[selectedPhoto].path;
  const std::u16string target = context.dialogs.ShowFileDialog(static_cast<int>(FileDialogKind::PhotoSave), source);
  if (target.empty()) return PhotoCopyOutcome::Cancelled;
  return CopyFileExclusive(source, target) ? PhotoCopyOutcome::Copied : PhotoCopyOutcome::Failed;
}
