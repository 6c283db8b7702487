#include "HeifTestFiles.h"

#include <libheif/heif.h>

#include <memory>
#include <vector>

namespace {

struct ContextFree {
  void operator()(heif_context* context) const { heif_context_free(context); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;

// Interleaved RGB, or RGBA when source has an alpha channel.
heif_image* HeifImageOf(const QImage& source) {
  const bool alpha = source.hasAlphaChannel();
  const int bytes = alpha ? 4 : 3;
  heif_image* image = nullptr;
  heif_image_create(source.width(), source.height(), heif_colorspace_RGB,
                    alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, &image);
  heif_image_add_plane(image, heif_channel_interleaved, source.width(), source.height(), 8);
  int stride = 0;
  uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      const QRgb c = source.pixel(x, y);
      uint8_t* to = plane + y * stride + x * bytes;
      to[0] = qRed(c), to[1] = qGreen(c), to[2] = qBlue(c);
      if (alpha) to[3] = qAlpha(c);
    }
  }
  return image;
}

// Planar RGB of 10 bits a sample, each 8-bit value widened to the same shade.
heif_image* DeepHeifImageOf(const QImage& source) {
  heif_image* image = nullptr;
  heif_image_create(source.width(), source.height(), heif_colorspace_RGB, heif_chroma_444, &image);
  const heif_channel channels[] = {heif_channel_R, heif_channel_G, heif_channel_B};
  for (int c = 0; c < 3; ++c) {
    heif_image_add_plane(image, channels[c], source.width(), source.height(), 10);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, channels[c], &stride);
    for (int y = 0; y < source.height(); ++y) {
      auto* row = reinterpret_cast<uint16_t*>(plane + y * stride);
      for (int x = 0; x < source.width(); ++x) {
        const QRgb colour = source.pixel(x, y);
        const int value = c == 0 ? qRed(colour) : c == 1 ? qGreen(colour) : qBlue(colour);
        row[x] = static_cast<uint16_t>(value << 2 | value >> 6);
      }
    }
  }
  return image;
}

bool Encode(heif_context* context, const QImage& source, heif_compression_format format, int orientation,
            heif_image_handle** handle, heif_color_profile_nclx* colours = nullptr, bool deep = false) {
  heif_encoder* encoder = nullptr;
  if (heif_context_get_encoder_for_format(context, format, &encoder).code != heif_error_Ok) return false;
  heif_encoder_set_lossy_quality(encoder, 95);
  heif_encoding_options* options = heif_encoding_options_alloc();
  options->image_orientation = static_cast<heif_orientation>(orientation);
  if (colours != nullptr) {
    options->output_nclx_profile = colours;
    options->macOS_compatibility_workaround_no_nclx_profile = 0;  // the colour box is written
  }
  heif_image* image = deep ? DeepHeifImageOf(source) : HeifImageOf(source);
  const bool encoded = heif_context_encode_image(context, image, encoder, options, handle).code == heif_error_Ok;
  heif_image_release(image);
  heif_encoding_options_free(options);
  heif_encoder_release(encoder);
  return encoded;
}

heif_error AppendBytes(heif_context*, const void* data, size_t size, void* userdata) {
  auto* bytes = static_cast<std::string*>(userdata);
  bytes->append(static_cast<const char*>(data), size);
  return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

std::string Written(heif_context* context) {
  std::string bytes;
  heif_writer writer{1, AppendBytes};
  if (heif_context_write(context, &writer, &bytes).code != heif_error_Ok) return {};
  return bytes;
}

}  // namespace

std::string EncodeHeif(const QImage& source, HeifCodecKind codec, int orientation) {
  const Context context(heif_context_alloc());
  const heif_compression_format format = codec == HeifCodecKind::Hevc ? heif_compression_HEVC : heif_compression_AV1;
  if (!Encode(context.get(), source, format, orientation, nullptr)) return {};
  return Written(context.get());
}

std::string EncodeHeifPair(const QImage& first, const QImage& primary) {
  const Context context(heif_context_alloc());
  heif_image_handle* handle = nullptr;
  if (!Encode(context.get(), first, heif_compression_HEVC, 1, nullptr) ||
      !Encode(context.get(), primary, heif_compression_HEVC, 1, &handle))
    return {};
  heif_context_set_primary_image(context.get(), handle);
  heif_image_handle_release(handle);
  return Written(context.get());
}

std::string EncodeHeifWithColourBox(const QImage& source) {
  const Context context(heif_context_alloc());
  heif_color_profile_nclx* colours = heif_nclx_color_profile_alloc();
  const bool encoded = Encode(context.get(), source, heif_compression_HEVC, 1, nullptr, colours);
  heif_nclx_color_profile_free(colours);
  return encoded ? Written(context.get()) : std::string();
}

std::string EncodeTenBitHeif(const QImage& source) {
  const Context context(heif_context_alloc());
  return Encode(context.get(), source, heif_compression_HEVC, 1, nullptr, nullptr, true) ? Written(context.get())
                                                                                        : std::string();
}
