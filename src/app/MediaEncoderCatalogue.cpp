#include "app/MediaEncoderCatalogue.h"

#include "platform/gui/MessageSink.h"
#include "platform/media/IBaseFilter.h"
#include "platform/media/IEncoderSettings.h"
#include "platform/media/VideoCompressorList.h"
#include "platform/sys/StringConvert.h"

MediaEncoderCatalogue::MediaEncoderCatalogue(EncoderOptionsDialog& dialogs, MessageSink& messages, Binder binder,
                                             Lister lister)
    : dialogs_(dialogs), messages_(messages), binder_(std::move(binder)), lister_(std::move(lister)) {}

std::vector<VideoCompressor> MediaEncoderCatalogue::InstalledCompressors() {
  return VideoCompressorList::Installed().entries();
}

std::vector<std::u16string> MediaEncoderCatalogue::Names() {
  std::vector<std::u16string> names;
  if (!lister_) return names;
  for (const VideoCompressor& compressor : lister_()) names.push_back(compressor.friendlyName);
  return names;
}

bool MediaEncoderCatalogue::ShowSettings(const std::u16string& name) {
  const ComPtr<IEncoderSettings> settings = Bind(name);
  std::vector<EncoderOption> options;
  if (!settings || FAILED(settings->GetOptions(&options)) || options.empty()) return false;
  const std::optional<EncoderOptionsDialog::Changes> changes = dialogs_.ShowSettings(name, options);
  if (changes) Apply(*settings, name, *changes);
  return true;
}

bool MediaEncoderCatalogue::ShowAbout(const std::u16string& name) {
  const ComPtr<IEncoderSettings> settings = Bind(name);
  std::u16string text;
  if (!settings || FAILED(settings->GetAboutText(&text)) || text.empty()) return false;
  dialogs_.ShowAbout(name, text);
  return true;
}

// The filter's own reference goes at once; the settings interface holds the object until the
// caller lets go of it.
ComPtr<IEncoderSettings> MediaEncoderCatalogue::Bind(const std::u16string& name) const {
  ComPtr<IBaseFilter> filter;
  ComPtr<IEncoderSettings> settings;
  if (!binder_ || FAILED(binder_(name, filter.Receive())) || !filter) return settings;
  filter.As(settings);
  return settings;
}

void MediaEncoderCatalogue::Apply(IEncoderSettings& settings, const std::u16string& name,
                                  const EncoderOptionsDialog::Changes& changes) {
  std::u16string refused;
  for (const auto& [option, value] : changes) {
    if (SUCCEEDED(settings.SetOption(option, value))) continue;
    refused += u"\n\"" + FromUtf8(option) + u"\" = \"" + FromUtf8(value) + u"\"";
  }
  if (refused.empty()) return;
  const std::u16string text =
      u"The \"" + name + u"\" encoder filter did not accept these settings; they keep their previous values:";
  messages_.ShowMessage(text + refused, MessageSink::Icon::Error);
}
