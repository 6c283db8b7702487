#include "platform/sys/WorkerPool.h"

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

// Background work gives way to the thread that draws the frames; the threads a task starts (a
// decoder's own) inherit the same niceness and policy. As batch work, a thread woken (when a
// frame lets decoding go on) waits for a free core or its share instead of taking the drawing
// thread's core from it.
void LowerThisThreadsPriority() {
  const sched_param unprioritised{};
  sched_setscheduler(0, SCHED_BATCH, &unprioritised);
  const auto thread = static_cast<id_t>(gettid());
  errno = 0;
  const int current = getpriority(PRIO_PROCESS, thread);
  if (errno == 0) setpriority(PRIO_PROCESS, thread, std::min(current + WorkerPool::kNicenessAdded, 19));
}

}  // namespace

WorkerPool::WorkerPool(int threadCount) {
  const int count = std::max(threadCount, 1);
  threads_.reserve(count);
  for (int k = 0; k < count; ++k) threads_.emplace_back([this] { Run(); });
}

WorkerPool::~WorkerPool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    queue_.clear();
  }
  taskPosted_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

int WorkerPool::DefaultThreadCount() {
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::max(cores - 1, 1);
}

void WorkerPool::Post(Task task) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) return;
    queue_.push_back(std::move(task));
  }
  taskPosted_.notify_one();
}

void WorkerPool::Drain() {
  std::unique_lock<std::mutex> lock(mutex_);
  allDone_.wait(lock, [this] { return queue_.empty() && running_ == 0; });
}

void WorkerPool::Run() {
  LowerThisThreadsPriority();
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    taskPosted_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) return;
    Task task = std::move(queue_.front());
    queue_.pop_front();
    ++running_;
    lock.unlock();
    task();
    task = nullptr;  // whatever the task holds goes before it counts as done
    lock.lock();
    --running_;
    if (queue_.empty() && running_ == 0) allDone_.notify_all();
  }
}
