#pragma once

struct heif_decoder_plugin;

// A libheif decoder for HEVC pictures (HEIC files) on FFmpeg's HEVC decoder, which decodes one
// picture on several threads where the encoder allowed it (wavefront rows, tiles, slices) and is
// faster than libheif's own decoder even on one. Its pictures are the same samples: HEVC decoding
// is exact. Registered with each decoder context that decodes a file; any thread.

// What the decoder hands libheif. libheif turns YCbCr samples into planar RGB itself, on one
// thread, where FFmpeg's converter takes a fraction of the time; so Rgb hands over planar RGB
// already, in the colours libheif would make: the matrix and range the stream gives (libheif
// follows the stream, not the file's colour box). Samples hands over the samples as decoded; an
// alpha image passes through the same decoder and must stay samples.
enum class HevcOutput { Samples, Rgb };

const heif_decoder_plugin& HevcDecoderPlugin(HevcOutput output = HevcOutput::Samples);
