#include "photos/ScanFolder.h"

#include "photos/DateKey.h"
#include "photos/FilePaths.h"
#include "photos/SortPhotos.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/FolderListing.h"

namespace {

// A substring test, not a test of the ending, so "photo.jpg.txt" counts as a photo.
bool IsPhotoName(const std::u16string& name) {
  const std::u16string upper = AsciiUpper(name);
  if (upper.find(u"_ALPHA") != std::u16string::npos) return false;
  // ".TIF" also finds ".TIFF".
  for (const char16_t* extension :
       {u".JPG", u".BMP", u".TGA", u".PNG", u".JPEG", u".WEBP", u".HEIC", u".HEIF", u".AVIF", u".TIF"})
    if (upper.find(extension) != std::u16string::npos) return true;
  return false;
}

void CollectPhotos(const std::u16string& folder, FolderListing& listing, PhotoList& photos) {
  std::u16string name;
  while (!photos.full() && listing.Next(name)) {
    if (!IsPhotoName(name)) continue;
    const std::u16string path = folder + u"/" + name;
    // A folder, pipe or device named like a photo has no picture to show.
    if (KindOfPath(path) != PathKind::File) continue;
    photos.Append(path, DateKey(path));
  }
}

}  // namespace

bool ScanFolder(const std::u16string& folder, PhotoSortOrder order, const PhotoSettings& settings, PhotoList& photos) {
  photos.Clear();
  FolderListing listing;
  if (!listing.Open(folder)) return false;
  CollectPhotos(folder, listing, photos);
  listing.Close();
  if (photos.count() >= 2) SortPhotos(photos, 0, photos.count() - 1, true, order);
  for (int i = 0; i < photos.count(); ++i) photos[i].flags = settings.GetPhotoRotation(photos[i].path);
  return true;
}
