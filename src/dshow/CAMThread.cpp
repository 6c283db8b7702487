#include "dshow/CAMThread.h"

#include <system_error>

CAMThread::~CAMThread() { Close(); }

bool CAMThread::Create() {
  if (thread_.joinable()) return false;
  {
    std::lock_guard lock(mutex_);
    workerRunning_ = true;
    requestWaiting_ = false;
    replyWaiting_ = false;
  }
  try {
    thread_ = std::thread([this] { RunWorker(); });
  } catch (const std::system_error&) {
    // The system has no thread to spare: a status, as everywhere else.
    std::lock_guard lock(mutex_);
    workerRunning_ = false;
    return false;
  }
  return true;
}

void CAMThread::RunWorker() {
  ThreadProc();
  std::lock_guard lock(mutex_);
  workerRunning_ = false;
  requestWaiting_ = false;
  replied_.notify_all();
}

HRESULT CAMThread::CallWorker(uint32_t command) {
  std::lock_guard caller(callers_);
  std::unique_lock lock(mutex_);
  command_ = command;
  requestWaiting_ = true;
  replyWaiting_ = false;
  requestPosted_.notify_one();
  replied_.wait(lock, [this] { return replyWaiting_ || !workerRunning_; });
  if (!replyWaiting_) return E_UNEXPECTED;
  replyWaiting_ = false;
  return reply_;
}

void CAMThread::Close() {
  if (thread_.joinable()) thread_.join();
}

uint32_t CAMThread::GetRequest() {
  std::unique_lock lock(mutex_);
  requestPosted_.wait(lock, [this] { return requestWaiting_; });
  requestWaiting_ = false;
  return command_;
}

bool CAMThread::CheckRequest(uint32_t* command) {
  std::lock_guard lock(mutex_);
  if (!requestWaiting_) return false;
  if (command != nullptr) *command = command_;
  return true;
}

void CAMThread::Reply(HRESULT result) {
  std::lock_guard lock(mutex_);
  reply_ = result;
  replyWaiting_ = true;
  replied_.notify_all();
}
