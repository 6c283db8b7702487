#include "platform/gfx/TgaCodec.h"

#include <stb/stb_image.h>

#include <climits>
#include <memory>
#include <utility>

#include "platform/gfx/ImageCompleteness.h"
#include "platform/gfx/TriangleFilter.h"

namespace {

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

using StbPixels = std::unique_ptr<stbi_uc, StbFree>;

ImageStatus Corrupt(std::string text) { return ImageStatus::Failure(ImageStatus::Kind::Corrupt, std::move(text)); }

// stb_image delivers R, G, B, A; PixelImage wants B, G, R, A.
void SwapRedAndBlue(stbi_uc* pixels, size_t count) {
  for (size_t i = 0; i < count; ++i, pixels += 4) std::swap(pixels[0], pixels[2]);
}

std::string FailureReason() {
  const char* reason = stbi_failure_reason();
  return reason != nullptr ? reason : "unknown";
}

}  // namespace

ImageStatus ReadTgaInfo(std::string_view head, ImageInfo& info) {
  // stb_image's own test for TGA is weak, and its information call answers for other formats
  // too, so the header is checked first.
  int width = 0, height = 0, channels = 0;
  if (!TgaHeaderValid(head) || head.size() > INT_MAX ||
      !stbi_info_from_memory(reinterpret_cast<const stbi_uc*>(head.data()), static_cast<int>(head.size()), &width,
                             &height, &channels)) {
    return Corrupt("not a TGA header this program reads");
  }
  info = {width, height, ImageFileFormat::Tga};
  return {};
}

ImageStatus DecodeTga(std::string bytes, PixelSize size, PixelImage& pixels) {
  if (!TgaDataComplete(bytes) || bytes.size() > INT_MAX) return Corrupt("truncated or damaged TGA data");
  int width = 0, height = 0, channels = 0;
  StbPixels decoded(stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                          static_cast<int>(bytes.size()), &width, &height, &channels, 4));
  if (!decoded) return Corrupt("cannot decode the TGA data: " + FailureReason());
  std::string().swap(bytes);
  SwapRedAndBlue(decoded.get(), static_cast<size_t>(width) * height);
  const PixelView view{decoded.get(), width, height, static_cast<std::ptrdiff_t>(width) * 4};
  pixels = ResizeWithTriangleFilter(view, size);
  return {};
}
