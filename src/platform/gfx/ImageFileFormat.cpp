#include "platform/gfx/ImageFileFormat.h"

#include <initializer_list>

namespace {

bool EndsWithTga(std::u16string_view path) {
  if (path.size() < 4) return false;
  std::u16string tail(path.substr(path.size() - 4));
  for (char16_t& c : tail) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return tail == u".tga";
}

// The brands HEIC and AVIF still pictures are written with (a file's major brand).
bool IsHeifBrand(std::string_view brand) {
  for (std::string_view known : {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1", "avif", "avis"})
    if (brand == known) return true;
  return false;
}

}  // namespace

std::optional<ImageFileFormat> SniffImageFormat(std::string_view head, std::u16string_view path) {
  if (head.starts_with("BM")) return ImageFileFormat::Bmp;
  if (head.starts_with("\xFF\xD8\xFF")) return ImageFileFormat::Jpg;
  if (head.starts_with("\x89PNG\r\n\x1A\n")) return ImageFileFormat::Png;
  if (head.size() >= 12 && head.starts_with("RIFF") && head.substr(8, 4) == "WEBP") return ImageFileFormat::Webp;
  if (head.starts_with(std::string_view("II*\0", 4)) || head.starts_with(std::string_view("MM\0*", 4)))
    return ImageFileFormat::Tiff;
  if (head.size() >= 12 && head.substr(4, 4) == "ftyp" && IsHeifBrand(head.substr(8, 4))) return ImageFileFormat::Heif;
  if (EndsWithTga(path)) return ImageFileFormat::Tga;
  return std::nullopt;
}

std::string ImageFormatName(ImageFileFormat format) {
  switch (format) {
    case ImageFileFormat::Bmp:
      return "BMP";
    case ImageFileFormat::Jpg:
      return "JPG";
    case ImageFileFormat::Png:
      return "PNG";
    case ImageFileFormat::Tga:
      return "TGA";
    case ImageFileFormat::Webp:
      return "WebP";
    case ImageFileFormat::Tiff:
      return "TIFF";
    case ImageFileFormat::Heif:
      return "HEIF";
  }
  return "?";
}
