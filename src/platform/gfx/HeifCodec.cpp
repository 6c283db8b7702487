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

// Planar RGB, as libheif keeps pictures before interleaving them: no conversion is left to make
// at full size when the decoder delivered RGB already.
ImageStatus DecodePrimary(heif_context& context, const heif_image_handle& handle, bool upright, Image& image) {
  const bool alpha = heif_image_handle_has_alpha_channel(&handle);
  heif_register_decoder(&context, &HevcDecoderPlugin(alpha ? HevcOutput::Samples : HevcOutput::Rgb));
  const std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
  options->ignore_transformations = upright ? 0 : 1;
  heif_image* decoded = nullptr;
  const heif_error error = heif_decode_image(&handle, &decoded, heif_colorspace_RGB, heif_chroma_444, options.get());
  image.reset(decoded);
  if (error.code != heif_error_Ok) return Failed(Kind::Corrupt, "cannot decode the HEIF image", error);
  return {};
}

ImageStatus PlanesOf(const heif_image& image, PlanarView& view) {
  const heif_channel channels[] = {heif_channel_R, heif_channel_G, heif_channel_B, heif_channel_Alpha};
  view.width = heif_image_get_width(&image, heif_channel_R);
  view.height = heif_image_get_height(&image, heif_channel_R);
  view.depth = heif_image_get_bits_per_pixel_range(&image, heif_channel_R);
  for (int k = 0; k < 4; ++k) {
    const heif_channel channel = channels[k];
    if (!heif_image_has_channel(&image, channel)) continue;
    int stride = 0;
    const uint8_t* plane = heif_image_get_plane_readonly(&image, channel, &stride);
    // Every plane as large and as deep as red; an alpha plane that is not is left out.
    const bool alike = heif_image_get_width(&image, channel) == view.width &&
                       heif_image_get_height(&image, channel) == view.height &&
                       heif_image_get_bits_per_pixel_range(&image, channel) == view.depth;
    if (!alike && channel == heif_channel_Alpha) continue;
    if (!alike || plane == nullptr) return ImageStatus::Failure(Kind::Corrupt, "damaged HEIF image planes");
    view.planes[k] = plane;
    view.strides[k] = stride;
  }
  const bool colours =
      view.planes[PlanarView::kRed] && view.planes[PlanarView::kGreen] && view.planes[PlanarView::kBlue];
  if (!colours || view.width < 1 || view.height < 1 || view.depth < 1 || view.depth > 16)
    return ImageStatus::Failure(Kind::Corrupt, "empty HEIF image");
  return {};
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
  if (status.Succeeded()) status = DecodePrimary(*context, *handle, upright, image);
  PlanarView decoded;
  if (status.Succeeded()) status = PlanesOf(*image, decoded);
  // Without its crop the stored picture can be larger than the upright one.
  if (status.Succeeded()) status = CheckBound(decoded.width, decoded.height, maxSide);
  PixelSize size;
  if (status.Succeeded()) status = sizeRule({decoded.width, decoded.height}, size);
  if (!status.Succeeded()) return status;
  pixels = ResizeWithTriangleFilter(decoded, size);
  pictureSize = {decoded.width, decoded.height};
  return status;
}
