#pragma once

#include <optional>
#include <string>
#include <string_view>

// The image file formats photos and surface textures come in.
enum class ImageFileFormat { Bmp, Jpg, Png, Tga };

// Tells the format from the first bytes of a file: BMP, JPG and PNG by their signatures; TGA,
// which has none, by the extension ".tga" (any case) of path. nullopt for anything else.
std::optional<ImageFileFormat> SniffImageFormat(std::string_view head, std::u16string_view path);

// "BMP", "JPG", "PNG" or "TGA".
std::string ImageFormatName(ImageFileFormat format);
