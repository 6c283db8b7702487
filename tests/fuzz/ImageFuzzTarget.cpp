#include <array>

#include "book/PhotoTexture.h"
#include "fuzz/FuzzScratch.h"
#include "fuzz/FuzzTargets.h"
#include "platform/gfx/NullDevice.h"

namespace {

// The extensions photos come with; formats are told by their signatures, TGA by its extension,
// so each kind of file is tried under every name.
constexpr std::array<const char16_t*, 8> kExtensions = {u".jpg", u".png", u".bmp", u".tga",
                                                         u".webp", u".heic", u".avif", u".tif"};

}  // namespace

void FuzzImageFile(std::string_view bytes) {
  if (bytes.empty()) return;
  const unsigned choice = static_cast<unsigned char>(bytes[0]);
  const std::u16string path = WriteFuzzFile(std::u16string(u"photo") + kExtensions[choice % kExtensions.size()],
                                            bytes.substr(1));
  const int quality = static_cast<int>(choice / kExtensions.size() % 4);  // Low, Normal, High, unlimited
  NullDevice device(kFuzzImageMaxSide);
  PhotoTexture texture(&device, [quality] { return quality; });
  if (!texture.Load(path, 0)) {
    FuzzCheck(!texture.HasTexture() && texture.imageSize().width == 0, "a failed load kept a texture or a size");
    return;
  }
  const PixelSize image = texture.imageSize(), level0 = texture.textureSize();
  FuzzCheck(image.width >= 1 && image.height >= 1, "a loaded photo without a size");
  FuzzCheck(level0.width >= 1 && level0.height >= 1 && level0.width <= kFuzzImageMaxSide &&
                level0.height <= kFuzzImageMaxSide,
            "a texture outside the device's bounds");
}
