#include "platform/media/EncoderSettingsStore.h"

EncoderSettingsStore& EncoderSettingsStore::Instance() {
  static EncoderSettingsStore store;
  return store;
}

EncoderSettingsStore::Values EncoderSettingsStore::Get(const std::u16string& compressor) const {
  std::lock_guard lock(mutex_);
  auto found = values_.find(compressor);
  return found == values_.end() ? Values() : found->second;
}

void EncoderSettingsStore::Set(const std::u16string& compressor, const std::string& name, const std::string& value) {
  std::lock_guard lock(mutex_);
  values_[compressor][name] = value;
}

void EncoderSettingsStore::Clear(const std::u16string& compressor) {
  std::lock_guard lock(mutex_);
  values_.erase(compressor);
}
