#include "platform/gfx/ImageFileFormat.h"

namespace {

bool EndsWithTga(std::u16string_view path) {
  if (path.size() < 4) return false;
  std::u16string tail(path.substr(path.size() - 4));
  for (char16_t& c : tail) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return tail == u".tga";
}

}  // namespace

std::optional<ImageFileFormat> SniffImageFormat(std::string_view head, std::u16string_view path) {
  if (head.starts_with("BM")) return ImageFileFormat::Bmp;
  if (head.starts_with("\xFF\xD8\xFF")) return ImageFileFormat::Jpg;
  if (head.starts_with("\x89PNG\r\n\x1A\n")) return ImageFileFormat::Png;
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
  }
  return "?";
}
