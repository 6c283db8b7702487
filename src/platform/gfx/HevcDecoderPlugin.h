#pragma once

struct heif_decoder_plugin;

// A libheif decoder for HEVC pictures (HEIC files) on FFmpeg's HEVC decoder, which decodes one
// picture on several threads where the encoder allowed it (wavefront rows, tiles, slices) and is
// faster than libheif's own decoder even on one. Its pictures are the same samples: HEVC decoding
// is exact. Registered with each decoder context that opens a file; any thread.
const heif_decoder_plugin& HevcDecoderPlugin();
