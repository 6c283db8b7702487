#include "export/MovieFormat.h"

#include "photos/FilePaths.h"
#include "platform/sys/StringConvert.h"

std::u16string MovieFormat::EncoderText() const {
  if (!IsAvi()) return encoder.name;
  return aviEncoder.empty() ? u"Full Frames (Uncompressed)" : aviEncoder;
}

std::u16string MovieFormat::SoundtrackText() const {
  std::u16string text;
  for (const std::u16string& file : soundtrack.files) text += (text.empty() ? u"" : u", ") + FileNameOf(file);
  if (!text.empty() && soundtrack.loop) text += u", looped";
  return text;
}

std::u16string MovieFormat::SizeProblem(int32_t width, int32_t height) const {
  if (IsAvi() || (width % 2 == 0 && height % 2 == 0)) return {};
  return ContainerName(container) + u" movies need an even width and height; " + DecimalText(width) + u" x " +
         DecimalText(height) + u" is not. Please choose an even size.";
}
