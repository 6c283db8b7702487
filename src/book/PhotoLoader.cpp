#include "book/PhotoLoader.h"

#include <algorithm>

PhotoLoader::PhotoLoader(Poster post) : post_(std::move(post)) {}

PhotoLoader::~PhotoLoader() { Cancel(); }

void PhotoLoader::Request(const Key& key, DecodeJob job) {
  uint64_t generation = 0;
  {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    if (!shared_->pending.emplace(key, std::nullopt).second) return;
    generation = shared_->generation;
  }
  post_([shared = shared_, generation, key, job = std::move(job)] { Run(shared, generation, key, job); });
}

// A key forgotten and asked for again in the same generation is pending again, and the result
// of the earlier job serves it as well as its own would: the same file with the same settings.
void PhotoLoader::Run(const std::shared_ptr<Shared>& shared, uint64_t generation, const Key& key,
                      const DecodeJob& job) {
  const auto stillWanted = [&] {
    const auto found = shared->pending.find(key);
    return shared->generation == generation && found != shared->pending.end() && !found->second;
  };
  {
    std::lock_guard<std::mutex> lock(shared->mutex);
    if (!stillWanted()) return;
  }
  DecodedPhoto photo = job();
  std::lock_guard<std::mutex> lock(shared->mutex);
  if (!stillWanted()) return;
  shared->pending[key] = std::move(photo);
  shared->finished.notify_all();
}

bool PhotoLoader::Pending(const Key& key) const {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->pending.count(key) != 0;
}

std::optional<DecodedPhoto> PhotoLoader::Take(const Key& key) {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  const auto found = shared_->pending.find(key);
  if (found == shared_->pending.end() || !found->second) return std::nullopt;
  std::optional<DecodedPhoto> photo = std::move(found->second);
  shared_->pending.erase(found);
  return photo;
}

DecodedPhoto PhotoLoader::Wait(const Key& key) {
  std::unique_lock<std::mutex> lock(shared_->mutex);
  auto found = shared_->pending.find(key);
  shared_->finished.wait(lock, [&] {
    found = shared_->pending.find(key);
    return found == shared_->pending.end() || found->second.has_value();
  });
  if (found == shared_->pending.end()) return {};
  DecodedPhoto photo = std::move(*found->second);
  shared_->pending.erase(found);
  return photo;
}

void PhotoLoader::KeepOnly(const std::vector<Key>& wanted) {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  std::erase_if(shared_->pending,
                [&](const auto& entry) { return std::find(wanted.begin(), wanted.end(), entry.first) == wanted.end(); });
}

void PhotoLoader::Cancel() {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  ++shared_->generation;
  shared_->pending.clear();
}
