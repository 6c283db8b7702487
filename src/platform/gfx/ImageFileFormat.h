#pragma once

#include <optional>
#include <string>
#include <string_view>

// The image file formats photos and surface textures come in.
enum class ImageFileFormat { Bmp, Jpg, Png, Tga, Webp, Tiff, Heif };

// Tells the format from the first 12 bytes of a file or more: BMP, JPG, PNG, WebP, TIFF and
// HEIF (HEIC and AVIF, an ISO "ftyp" box with a still-image brand) by their signatures; TGA,
// which has none, by the extension ".tga" (any case) of path. nullopt for anything else.
std::optional<ImageFileFormat> SniffImageFormat(std::string_view head, std::u16string_view path);

// "BMP", "JPG", "PNG", "TGA", "WebP", "TIFF" or "HEIF".
std::string ImageFormatName(ImageFileFormat format);
