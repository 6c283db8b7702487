#include "dshow/CSourceStream.h"

#include <chrono>
#include <thread>

#include "dshow/CSource.h"

namespace {
// How long the loop waits before asking the allocator again for a buffer.
constexpr std::chrono::milliseconds kBufferRetry{1};
}  // namespace

CSourceStream::CSourceStream(const char16_t* objectName, HRESULT* status, CSource* filter, const char16_t* pinName)
    : CBaseOutputPin(objectName, filter, filter->StateLock(), pinName), source_(filter) {
  const HRESULT hr = filter->AddPin(this);
  if (FAILED(hr) && status != nullptr) *status = hr;
}

// The filter stops its pins before deleting them; this is a last guard, as the derived pin is
// gone by now and the thread must not reach it.
CSourceStream::~CSourceStream() { EndThread(); }

// A worker that has ended already answers at once, so this never waits on a dead thread.
void CSourceStream::EndThread() {
  if (!ThreadExists()) return;
  Stop();
  Exit();
  Close();
}

HRESULT CSourceStream::Active() {
  std::lock_guard lock(*lock_);
  if (ThreadExists()) return S_FALSE;
  HRESULT hr = CBaseOutputPin::Active();
  if (FAILED(hr)) return hr;
  hr = Create() ? Init() : E_FAIL;
  if (SUCCEEDED(hr)) hr = Pause();
  if (SUCCEEDED(hr)) return hr;
  EndThread();
  CBaseOutputPin::Inactive();
  return hr;
}

HRESULT CSourceStream::Inactive() {
  std::lock_guard lock(*lock_);
  // Decommitting first frees a thread blocked on a buffer so that it sees the commands.
  const HRESULT hr = CBaseOutputPin::Inactive();
  EndThread();
  return hr;
}

HRESULT CSourceStream::GetMediaType(int position, CMediaType* type) {
  if (type == nullptr) return E_POINTER;
  if (position < 0) return E_INVALIDARG;
  if (position > 0) return VFW_S_NO_MORE_ITEMS;
  std::lock_guard lock(*lock_);
  return GetMediaType(type);
}

HRESULT CSourceStream::GetMediaType(CMediaType*) { return E_UNEXPECTED; }

HRESULT CSourceStream::CheckMediaType(const CMediaType* type) {
  if (type == nullptr) return E_POINTER;
  std::lock_guard lock(*lock_);
  CMediaType mine;
  if (FAILED(GetMediaType(&mine))) return E_FAIL;
  return mine == *type ? S_OK : E_FAIL;
}

void CSourceStream::ThreadProc() {
  if (!WaitForInit()) return;
  for (;;) {
    const uint32_t command = GetRequest();
    if (command == CMD_EXIT) {
      Reply(S_OK);
      break;
    }
    if (command == CMD_PAUSE || command == CMD_RUN) {
      Reply(S_OK);
      DoBufferProcessingLoop();
    } else {
      Reply(command == CMD_STOP ? S_OK : command == CMD_INIT ? E_UNEXPECTED : E_NOTIMPL);
    }
  }
  OnThreadDestroy();
}

// Everything before CMD_INIT is answered E_UNEXPECTED. False when the thread is to end.
bool CSourceStream::WaitForInit() {
  while (GetRequest() != CMD_INIT) Reply(E_UNEXPECTED);
  const HRESULT hr = OnThreadCreate();
  if (FAILED(hr)) {
    OnThreadDestroy();
    Reply(hr);
    return false;
  }
  Reply(S_OK);
  return true;
}

void CSourceStream::DoBufferProcessingLoop() {
  OnThreadStartPlay();
  for (;;) {
    uint32_t command = 0;
    if (CheckRequest(&command)) {
      if (!AnswerInsideLoop(command)) return;
      continue;
    }
    ComPtr<IMediaSample> sample;
    if (FAILED(GetDeliveryBuffer(sample.Receive(), nullptr, nullptr, 0)) || !sample) {
      std::this_thread::sleep_for(kBufferRetry);
      continue;
    }
    const HRESULT filled = FillBuffer(sample.Get());
    if (filled != S_OK) {
      sample.Reset();
      return EndStream(filled);
    }
    if (!SendSample(std::move(sample))) return;
  }
}

// Pause and run change nothing while streaming and are answered here; every other command
// ends streaming and is left for the command loop.
bool CSourceStream::AnswerInsideLoop(uint32_t command) {
  if (command != CMD_PAUSE && command != CMD_RUN) return false;
  GetRequest();
  Reply(S_OK);
  return true;
}

// False when downstream takes no more: the stream then ends without end-of-stream.
bool CSourceStream::SendSample(ComPtr<IMediaSample> sample) {
  const HRESULT delivered = Deliver(sample.Get());
  sample.Reset();
  if (delivered == S_OK) return true;
  OnStreamEnded(StreamEnd::DeliveryEnded, delivered);
  return false;
}

// The sample is back with the allocator before end-of-stream goes out.
void CSourceStream::EndStream(HRESULT filled) {
  DeliverEndOfStream();
  if (filled != S_FALSE) source_->NotifyEvent(EC_ERRORABORT, filled, 0);
  OnStreamEnded(filled == S_FALSE ? StreamEnd::EndOfStream : StreamEnd::FillFailed, filled);
}
