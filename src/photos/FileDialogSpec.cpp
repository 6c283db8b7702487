#include "photos/FileDialogSpec.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "photos/FilePaths.h"

namespace {

constexpr std::array<std::u16string_view, 11> kPhotoExtensions = {u"BMP",  u"JPG",  u"JPEG", u"PNG",  u"TGA", u"TIF",
                                                                  u"TIFF", u"WEBP", u"HEIC", u"HEIF", u"AVIF"};

// Formats FFmpeg decodes that people keep their music in.
constexpr std::array<std::u16string_view, 6> kAudioExtensions = {u"MP3", u"OGG", u"OPUS", u"FLAC", u"WAV", u"M4A"};

// The extensions as a description's "(.A, .B)" and a pattern's "*.A;*.B".
template <size_t N>
void SetExtensions(const std::array<std::u16string_view, N>& extensions, std::u16string& description,
                   std::u16string& pattern) {
  description += u"(";
  pattern.clear();
  for (const std::u16string_view extension : extensions) {
    const bool first = extension == extensions.front();
    description += (first ? u"." : u", .") + std::u16string(extension);
    pattern += (first ? u"*." : u";*.") + std::u16string(extension);
  }
  description += u")";
}

void SetPhotoFilter(FileDialogSpec& spec) {
  spec.filterDescription = u"Photos ";
  SetExtensions(kPhotoExtensions, spec.filterDescription, spec.filterPattern);
}

bool IsPhotoExtension(const std::u16string& extension) {
  return std::find(kPhotoExtensions.begin(), kPhotoExtensions.end(), extension) != kPhotoExtensions.end();
}

void SetPhotoSaveFilter(FileDialogSpec& spec, const std::u16string& initialPath) {
  const std::u16string extension = ExtensionOf(initialPath);
  if (!IsPhotoExtension(extension)) {
    SetPhotoFilter(spec);
    return;
  }
  spec.filterDescription = u"Photos (." + extension + u")";
  spec.filterPattern = u"*." + extension;
  spec.defaultExtension = extension;
}

std::vector<FileDialogFilter> MovieFilters() {
  return {{u"MP4 movie", u"*.mp4", u"mp4"}, {u"Matroska movie", u"*.mkv", u"mkv"}, {u"WebM movie", u"*.webm", u"webm"}};
}

std::u16string UpperCase(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  return text;
}

// The filter (from 1) whose extension is extension (upper case); 0 when none is.
int FilterOfExtension(const FileDialogSpec& spec, const std::u16string& extension) {
  if (extension.empty()) return 0;
  if (UpperCase(spec.defaultExtension) == extension) return 1;
  for (size_t i = 0; i < spec.moreFilters.size(); ++i) {
    if (UpperCase(spec.moreFilters[i].defaultExtension) == extension) return static_cast<int>(i) + 2;
  }
  return 0;
}

void SetKind(FileDialogSpec& spec, int kind, const std::u16string& initialPath) {
  switch (static_cast<FileDialogKind>(kind)) {
    case FileDialogKind::PhotoSave:
      spec.titleText = 68;
      spec.save = true;
      SetPhotoSaveFilter(spec, initialPath);
      return;
    case FileDialogKind::Locale:
      spec.titleText = 69;
      spec.filterDescription = u"Text Files (.TXT)";
      spec.filterPattern = u"*.TXT";
      return;
    case FileDialogKind::Effect:
      spec.titleText = 72;
      spec.filterDescription = u"Effect Files (.FX)";
      spec.filterPattern = u"*.FX";
      return;
    case FileDialogKind::Movie:
      spec.titleText = 76;
      spec.save = true;
      spec.filterDescription = u"AVI Files (.AVI)";
      spec.filterPattern = u"*.AVI";
      spec.defaultExtension = u"avi";
      spec.moreFilters = MovieFilters();
      spec.filterIndex = std::max(1, FilterOfExtension(spec, ExtensionOf(initialPath)));
      return;
    case FileDialogKind::Soundtrack:
      spec.titleText = 122;
      spec.filterText = 121;
      SetExtensions(kAudioExtensions, spec.filterDescription, spec.filterPattern);
      return;
    default:
      SetPhotoFilter(spec);
      return;
  }
}

}  // namespace

FileDialogSpec FileDialogSpec::For(int kind, const std::u16string& initialPath) {
  FileDialogSpec spec;
  SetKind(spec, kind, initialPath);
  spec.initialFolder = initialPath.find(u'.') != std::u16string::npos ? FolderOf(initialPath) : initialPath;
  return spec;
}

std::u16string FileDialogSpec::Finish(const std::u16string& chosenPath, int chosenFilter) const {
  if (chosenPath.empty() || !save || defaultExtension.empty()) return chosenPath;
  const size_t separator = chosenPath.rfind(u'/');
  const size_t dot = chosenPath.rfind(u'.');
  const bool hasExtension = dot != std::u16string::npos && (separator == std::u16string::npos || dot > separator);
  const std::u16string stem = hasExtension ? chosenPath.substr(0, dot) : chosenPath;
  // Only the movie dialog has more than one filter; a movie extension typed by hand wins there.
  int filter = moreFilters.empty() ? 1 : std::clamp(chosenFilter, 1, static_cast<int>(moreFilters.size()) + 1);
  if (!moreFilters.empty() && hasExtension) {
    if (const int typed = FilterOfExtension(*this, UpperCase(chosenPath.substr(dot + 1))); typed > 0) filter = typed;
  }
  return stem + u"." + (filter == 1 ? defaultExtension : moreFilters[static_cast<size_t>(filter) - 2].defaultExtension);
}
