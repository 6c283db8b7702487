#pragma once

#include <map>
#include <mutex>
#include <string>

// The encoder settings chosen for each compressor (by friendly name) during this run of the
// program: a compressor's settings dialog writes them, the filter built for the movie applies
// them when its encoder opens. Values are option texts by option name. Nothing is kept on disk.
// Any thread.
class EncoderSettingsStore {
 public:
  using Values = std::map<std::string, std::string>;

  // The one store of the process.
  static EncoderSettingsStore& Instance();

  Values Get(const std::u16string& compressor) const;
  void Set(const std::u16string& compressor, const std::string& name, const std::string& value);
  // Forgets every value chosen for compressor, so its defaults apply again.
  void Clear(const std::u16string& compressor);

 private:
  mutable std::mutex mutex_;
  std::map<std::u16string, Values> values_;
};
