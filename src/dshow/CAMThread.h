#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "platform/com/HResult.h"

// A worker thread that takes commands one at a time: a caller posts a command word and waits
// for the worker's reply value; the worker picks commands up when it is ready for them.
//
// Callers: Create, CallWorker, Close, ThreadExists from the owning side; callers are served
// one at a time. Worker: GetRequest, CheckRequest, Reply, inside ThreadProc.
// The owner makes the worker end (by a command ThreadProc returns on) and then Closes before
// it destroys the object, since ThreadProc runs on the derived object.
class CAMThread {
 public:
  CAMThread() = default;
  // Joins a thread still there; it must have ended or be ending by itself.
  virtual ~CAMThread();
  CAMThread(const CAMThread&) = delete;
  CAMThread& operator=(const CAMThread&) = delete;

  // Starts the worker running ThreadProc. False when one exists already or none could start.
  bool Create();
  // Posts command and waits for the reply. E_UNEXPECTED, without waiting, when no worker runs
  // or it ended without replying.
  HRESULT CallWorker(uint32_t command);
  // Waits for the worker to end and forgets it.
  void Close();
  // Between Create and Close (even when the worker has ended by itself).
  bool ThreadExists() const { return thread_.joinable(); }

  // Worker: waits for the next command and takes it.
  uint32_t GetRequest();
  // Worker: whether a command waits, and which; it stays waiting for GetRequest.
  bool CheckRequest(uint32_t* command);
  // Worker: answers the command taken last.
  void Reply(HRESULT result);

 protected:
  // The worker's body, on the worker thread.
  virtual void ThreadProc() = 0;

 private:
  void RunWorker();

  std::thread thread_;
  std::mutex callers_;  // one caller at a time
  std::mutex mutex_;    // guards the fields below
  std::condition_variable requestPosted_;
  std::condition_variable replied_;
  uint32_t command_ = 0;
  bool requestWaiting_ = false;
  HRESULT reply_ = S_OK;
  bool replyWaiting_ = false;
  bool workerRunning_ = false;
};
