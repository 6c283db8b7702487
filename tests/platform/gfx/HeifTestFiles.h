#pragma once

#include <QImage>
#include <string>

// HEIC and AVIF files made by libheif's own encoders (x265, aom), for the tests of the decoder.
enum class HeifCodecKind { Hevc, Av1 };

// source encoded at high quality, with its alpha channel if it has one; orientation (1..8, as EXIF numbers it) is
// written as the file's rotation and mirroring properties. Empty when encoding failed.
std::string EncodeHeif(const QImage& source, HeifCodecKind codec, int orientation = 1);
// Two pictures in one file, the second one the primary image.
std::string EncodeHeifPair(const QImage& first, const QImage& primary);
// source as HEVC with a colour box (nclx), which libheif's encoder writes as the stream says:
// BT.601 in the full range.
std::string EncodeHeifWithColourBox(const QImage& source);
// source as HEVC of 10 bits a sample (Main 10), as some cameras write.
std::string EncodeTenBitHeif(const QImage& source);
// source stored as phones store their photos: a grid of tiles of tileSize x tileSize, each coded
// as a picture of its own (those on the right and bottom edges padded with their last pixels),
// which the file's grid puts together and crops to source's size. tileSize is a multiple of 64,
// the encoder's coding block; empty otherwise or when encoding failed.
std::string EncodeHeifGrid(const QImage& source, int tileSize);
