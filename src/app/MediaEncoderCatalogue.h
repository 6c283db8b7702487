#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/EncoderCatalogue.h"
#include "platform/com/ComPtr.h"
#include "platform/com/HResult.h"
#include "platform/gui/EncoderOptionsDialog.h"
#include "platform/media/VideoCompressor.h"

class IBaseFilter;
class IEncoderSettings;
class MessageSink;

// The encoder catalogue over the media platform's video compressors: names from the installed
// list, settings and about information from the compressor filter's IEncoderSettings. Each
// showing binds the compressor afresh and releases it afterwards; the values set stay with the
// compressor's name, so the movie's graph encodes with them. The dialogs and the message sink
// must outlive this object. User-interface thread only.
class MediaEncoderCatalogue : public EncoderCatalogue {
 public:
  // Makes the filter of the compressor with that friendly name, with one reference for the
  // caller; a failure when there is none (the program passes BindVideoCompressor).
  using Binder = std::function<HRESULT(const std::u16string& name, IBaseFilter** filter)>;
  // The installed compressors, sorted and capped as the choice shows them.
  using Lister = std::function<std::vector<VideoCompressor>()>;

  MediaEncoderCatalogue(EncoderOptionsDialog& dialogs, MessageSink& messages, Binder binder,
                        Lister lister = InstalledCompressors);

  // VideoCompressorList::Installed's entries.
  static std::vector<VideoCompressor> InstalledCompressors();

  std::vector<std::u16string> Names() override;
  // False when the compressor is not found, has no IEncoderSettings or no options. Values the
  // compressor refuses are reported in one error message; the others are still applied.
  bool ShowSettings(const std::u16string& name) override;
  // False when the compressor is not found, has no IEncoderSettings or no about text.
  bool ShowAbout(const std::u16string& name) override;

 private:
  ComPtr<IEncoderSettings> Bind(const std::u16string& name) const;
  void Apply(IEncoderSettings& settings, const std::u16string& name, const EncoderOptionsDialog::Changes& changes);

  EncoderOptionsDialog& dialogs_;
  MessageSink& messages_;
  Binder binder_;
  Lister lister_;
};
