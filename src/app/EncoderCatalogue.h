#pragma once

#include <string>
#include <vector>

// The installed video compressors as the encoder choice shows them: their friendly names, and
// their own settings and about information. User-interface thread only.
class EncoderCatalogue {
 public:
  virtual ~EncoderCatalogue() = default;
  // Sorted friendly names, built anew for each showing.
  virtual std::vector<std::u16string> Names() = 0;
  // False when the compressor has no settings (or about information) to show.
  virtual bool ShowSettings(const std::u16string& name) = 0;
  virtual bool ShowAbout(const std::u16string& name) = 0;
};
