#include "platform/gfx/HeifCodec.h"

#include <libheif/heif.h>
#include <libheif/heif_plugin.h>

#include <memory>
#include <string>
#include <utility>

#include "platform/gfx/HevcDecoderPlugin.h"
#include "platform/gfx/TriangleFilter.h"

namespace {

using Kind = ImageStatus::Kind;

struct ContextFree {
  void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
  void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
  void operator()(heif_image* image) const { heif_image_release(image); }
};
struct OptionsFree {
  void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;
using Image = std::unique_ptr<heif_image, ImageRelease>;

ImageStatus Failed(Kind kind, const std::string& what, const heif_error& error) {
  return ImageStatus::Failure(kind, what + ": " + (error.message != nullptr ? error.message : "unknown error"));
}

// The primary image's handle of file, which must outlive the context.
ImageStatus OpenPrimary(std::string_view file, Context& context, Handle& handle) {
  context.reset(heif_context_alloc());
  if (!context) return ImageStatus::Failure(Kind::Corrupt, "cannot start the HEIF reader");
  heif_register_decoder(context.get(), &HevcDecoderPlugin());
  heif_error error = heif_context_read_from_memory_without_copy(context.get(), file.data(), file.size(), nullptr);
  if (error.code != heif_error_Ok) return Failed(Kind::Corrupt, "cannot read the HEIF file", error);
  heif_image_handle* primary = nullptr;
  error = heif_context_get_primary_image_handle(context.get(), &primary);
  handle.reset(primary);
  if (error.code != heif_error_Ok) return Failed(Kind::Corrupt, "the HEIF file has no primary image", error);
  return {};
}

ImageStatus CheckBound(int width, int height, int maxSide) {
  if (width >= 1 && height >= 1 && width <= maxSide && height <= maxSide) return {};
  return ImageStatus::Failure(Kind::TooLarge, "the picture is " + std::to_string(width) + " x " +
                                                  std::to_string(height) + " pixels, more than the " +
                                                  std::to_string(maxSide) + " a side that are decoded");
}

ImageStatus DecodePrimary(const heif_image_handle& handle, bool upright, Image& image) {
  const std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
  options->ignore_transformations = upright ? 0 : 1;
  heif_image* decoded = nullptr;
  const heif_error error =
      heif_decode_image(&handle, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, options.get());
  image.reset(decoded);
  if (error.code != heif_error_Ok) return Failed(Kind::Corrupt, "cannot decode the HEIF image", error);
  return {};
}

// libheif's bytes R, G, B, A, as decoded.
ImageStatus RgbaView(const heif_image& image, PixelView& view) {
  int stride = 0;
  const uint8_t* plane = heif_image_get_plane_readonly(&image, heif_channel_interleaved, &stride);
  view = {plane, heif_image_get_width(&image, heif_channel_interleaved),
          heif_image_get_height(&image, heif_channel_interleaved), stride};
  if (plane == nullptr || view.width < 1 || view.height < 1)
    return ImageStatus::Failure(Kind::Corrupt, "empty HEIF image");
  return {};
}

// Bytes R, G, B, A into words 0xAARRGGBB, as PixelImage keeps them.
void SwapRedAndBlue(PixelImage& pixels) {
  for (uint32_t& texel : pixels.texels) {
    texel = (texel & 0xFF00FF00u) | ((texel & 0xFFu) << 16) | ((texel >> 16) & 0xFFu);
  }
}

}  // namespace

ImageStatus ReadHeifInfo(std::string_view file, ImageInfo& info) {
  Context context;
  Handle handle;
  if (ImageStatus status = OpenPrimary(file, context, handle); !status.Succeeded()) return status;
  info = {heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()), ImageFileFormat::Heif};
  if (info.width < 1 || info.height < 1) return ImageStatus::Failure(Kind::Corrupt, "the HEIF image has no size");
  return {};
}

ImageStatus DecodeHeif(std::string_view file, bool upright, int maxSide, const HeifSizeRule& sizeRule,
                       PixelImage& pixels, PixelSize& pictureSize) {
  Context context;
  Handle handle;
  ImageStatus status = OpenPrimary(file, context, handle);
  if (status.Succeeded())
    status = CheckBound(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()), maxSide);
  Image image;
  if (status.Succeeded()) status = DecodePrimary(*handle, upright, image);
  PixelView decoded;
  if (status.Succeeded()) status = RgbaView(*image, decoded);
  // Without its crop the stored picture can be larger than the upright one.
  if (status.Succeeded()) status = CheckBound(decoded.width, decoded.height, maxSide);
  PixelSize size;
  if (status.Succeeded()) status = sizeRule({decoded.width, decoded.height}, size);
  if (!status.Succeeded()) return status;
  // The filter treats every channel alike, so the channels are put in order on the smaller picture.
  pixels = ResizeWithTriangleFilter(decoded, size);
  SwapRedAndBlue(pixels);
  pictureSize = {decoded.width, decoded.height};
  return status;
}
