#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/sys/WorkerPool.h"

namespace {

TEST(WorkerPoolTest, DrainWaitsForEveryTaskIncludingThosePostedByTasks) {
  WorkerPool pool(3);
  EXPECT_EQ(pool.threadCount(), 3);
  std::atomic<int> done{0};
  for (int k = 0; k < 100; ++k) {
    pool.Post([&] {
      pool.Post([&] { ++done; });
      ++done;
    });
  }
  pool.Drain();
  EXPECT_EQ(done.load(), 200);
  pool.Drain();  // nothing left: returns at once
}

TEST(WorkerPoolTest, OneThreadRunsTasksInPostingOrder) {
  WorkerPool pool(0);
  EXPECT_EQ(pool.threadCount(), 1);
  std::vector<int> order;  // only the pool's one thread writes, Drain orders the read
  for (int k = 0; k < 20; ++k) pool.Post([&order, k] { order.push_back(k); });
  pool.Drain();
  for (int k = 0; k < 20; ++k) EXPECT_EQ(order[k], k);
}

TEST(WorkerPoolTest, DefaultLeavesACoreForTheUserInterface) {
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  EXPECT_EQ(WorkerPool::DefaultThreadCount(), cores > 1 ? cores - 1 : 1);
}

TEST(WorkerPoolTest, TasksRunNicerThanTheThreadThatPostedThem) {
  errno = 0;
  const int mine = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
  ASSERT_EQ(errno, 0);
  if (mine >= 19) GTEST_SKIP() << "this thread already runs at the lowest priority";
  const int myPolicy = sched_getscheduler(0);
  int theirs = mine;
  int theirPolicy = -1;
  WorkerPool pool(1);
  pool.Post([&] {
    theirs = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    theirPolicy = sched_getscheduler(0);
  });
  pool.Drain();
  EXPECT_EQ(theirs, std::min(mine + WorkerPool::kNicenessAdded, 19));
  // As batch work, woken tasks do not take the core of a thread that draws.
  EXPECT_EQ(theirPolicy, SCHED_BATCH);
  EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())), mine);
  EXPECT_EQ(sched_getscheduler(0), myPolicy);
}

// The pool's one thread is held in a task while more are queued; the destructor must drop the
// queued ones, wait for the running one and free what every task held.
TEST(WorkerPoolTest, DestructorDropsQueuedTasksAndWaitsForTheRunningOne) {
  std::mutex mutex;
  std::condition_variable changed;
  bool started = false, release = false, finished = false;
  auto held = std::make_shared<int>(0);
  {
    WorkerPool pool(1);
    pool.Post([&] {
      std::unique_lock<std::mutex> lock(mutex);
      started = true;
      changed.notify_all();
      changed.wait(lock, [&] { return release; });
      finished = true;
    });
    for (int k = 0; k < 5; ++k) pool.Post([held] { ++*held; });
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [&] { return started; });
    release = true;
    changed.notify_all();
  }
  EXPECT_TRUE(finished);
  EXPECT_EQ(held.use_count(), 1) << "a queued task was kept";
}

}  // namespace
