#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "book/DecodedPhoto.h"

// Decodes photos on other threads for the texture window and keeps each result until the
// window takes it for the upload. A photo is known by its path and index. Results of requests
// cancelled or no longer wanted are dropped, even when their jobs are running: jobs keep the
// loader's shared state alive, so the loader may go before the threads that run them.
// User-interface thread only; the jobs run wherever post sends them.
class PhotoLoader {
 public:
  using Key = std::pair<std::u16string, int>;  // path, photo index
  // Runs a task on another thread some time later, e.g. WorkerPool::Post.
  using Poster = std::function<void(std::function<void()>)>;

  explicit PhotoLoader(Poster post);
  ~PhotoLoader();
  PhotoLoader(const PhotoLoader&) = delete;
  PhotoLoader& operator=(const PhotoLoader&) = delete;

  // Posts job for key unless key is pending already (decoding, or decoded and not taken).
  void Request(const Key& key, DecodeJob job);
  bool Pending(const Key& key) const;
  // The result of key when its job has finished; key is no longer pending then.
  std::optional<DecodedPhoto> Take(const Key& key);
  // Waits for the job of a pending key and takes its result; a key not pending gives a photo
  // not decoded at once.
  DecodedPhoto Wait(const Key& key);
  // Forgets the pending keys not in wanted, with their results.
  void KeepOnly(const std::vector<Key>& wanted);
  // Forgets every pending key: queued jobs of them do not decode, running ones are dropped.
  void Cancel();

 private:
  struct Shared {
    std::mutex mutex;
    std::condition_variable finished;
    // Pending keys; a result once the job is done.
    std::map<Key, std::optional<DecodedPhoto>> pending;
    uint64_t generation = 0;
  };
  static void Run(const std::shared_ptr<Shared>& shared, uint64_t generation, const Key& key, const DecodeJob& job);

  Poster post_;
  std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};
