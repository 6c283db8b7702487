#include "platform/gfx/WebpCodec.h"

#include <webp/decode.h>

#include <algorithm>
#include <span>
#include <utility>

#include "platform/sys/FrameGate.h"

namespace {

// Small enough that a decode stops soon after a frame of an animation begins.
constexpr size_t kPieceBytes = 8 << 10;

// The file handed to the decoder a piece at a time, passing the frame gate before each.
VP8StatusCode DecodeInPieces(std::span<const uint8_t> file, WebPDecoderConfig& config) {
  WebPIDecoder* decoder = WebPIDecode(nullptr, 0, &config);
  if (decoder == nullptr) return VP8_STATUS_OUT_OF_MEMORY;
  VP8StatusCode status = VP8_STATUS_NOT_ENOUGH_DATA;
  for (size_t at = 0; at < file.size(); at += kPieceBytes) {
    FrameGate::Shared().Pass();
    status = WebPIAppend(decoder, file.data() + at, std::min(kPieceBytes, file.size() - at));
    if (status != VP8_STATUS_SUSPENDED) break;
  }
  WebPIDelete(decoder);
  return status == VP8_STATUS_SUSPENDED ? VP8_STATUS_NOT_ENOUGH_DATA : status;
}

}  // namespace

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
  const VP8StatusCode status = DecodeInPieces(std::span(data, file.size()), config);
  WebPFreeDecBuffer(&config.output);  // the decoder's own, not the picture's words
  if (status == VP8_STATUS_UNSUPPORTED_FEATURE) return WebpDecodeResult::Unsupported;
  if (status != VP8_STATUS_OK) return WebpDecodeResult::Corrupt;
  pixels = std::move(decoded);
  return WebpDecodeResult::Decoded;
}
