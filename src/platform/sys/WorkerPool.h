#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Threads that run posted tasks in the order they were posted, several at a time, at a lower
// scheduling priority than the thread that made the pool and as batch work, which never takes a
// core from a thread that draws on being woken. Tasks must not throw. The owner's thread (the one
// that created the pool) may call every operation; Post may also be called from tasks. The
// destructor drops the tasks not started yet, waits for the running ones and joins the threads.
class WorkerPool {
 public:
  using Task = std::function<void()>;
  // How much nicer than the thread that made the pool its threads run: frames get the cores
  // first, while decoding still gets about a tenth of a core that a busy program holds.
  static constexpr int kNicenessAdded = 10;

  // threadCount below 1 means 1.
  explicit WorkerPool(int threadCount);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // As many threads as the machine has cores, less one for the user-interface thread, at least 1.
  static int DefaultThreadCount();

  void Post(Task task);
  // Returns when no task is queued or running any more.
  void Drain();
  int threadCount() const { return static_cast<int>(threads_.size()); }

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable taskPosted_;
  std::condition_variable allDone_;
  std::deque<Task> queue_;
  int running_ = 0;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};
