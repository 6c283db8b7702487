#include "platform/gfx/WebpCodec.h"

#include <webp/decode.h>

#include <utility>

WebpDecodeResult DecodeWebp(std::string_view file, PixelSize size, PixelImage& pixels) {
  WebPDecoderConfig config;
  if (!WebPInitDecoderConfig(&config)) return WebpDecodeResult::Unsupported;
  const auto* data = reinterpret_cast<const uint8_t*>(file.data());
  if (WebPGetFeatures(data, file.size(), &config.input) != VP8_STATUS_OK) return WebpDecodeResult::Corrupt;
  if (config.input.has_animation) return WebpDecodeResult::Unsupported;
  PixelImage decoded(size.width, size.height);
  config.options.use_threads = 1;
  if (size != PixelSize{config.input.width, config.input.height}) {
    config.options.use_scaling = 1;
    config.options.scaled_width = size.width;
    config.options.scaled_height = size.height;
  }
  // Straight into the picture's words, whose bytes are B, G, R, A.
  config.output.colorspace = MODE_BGRA;
  config.output.is_external_memory = 1;
  config.output.u.RGBA.rgba = decoded.RowBytes(0);
  config.output.u.RGBA.stride = size.width * 4;
  config.output.u.RGBA.size = decoded.texels.size() * 4;
  const VP8StatusCode status = WebPDecode(data, file.size(), &config);
  WebPFreeDecBuffer(&config.output);  // the decoder's own, not the picture's words
  if (status == VP8_STATUS_UNSUPPORTED_FEATURE) return WebpDecodeResult::Unsupported;
  if (status != VP8_STATUS_OK) return WebpDecodeResult::Corrupt;
  pixels = std::move(decoded);
  return WebpDecodeResult::Decoded;
}
