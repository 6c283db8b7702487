#pragma once

#include <cstdint>

#include "dshow/CAMThread.h"
#include "dshow/CBaseOutputPin.h"

class CSource;

// The output pin of a source filter that pushes samples downstream from a worker thread of
// its own. The thread exists between Active (the filter leaves the stopped state) and
// Inactive (it stops). It takes commands (CMD_INIT, then CMD_PAUSE or CMD_RUN to stream,
// CMD_STOP to stop streaming, CMD_EXIT to end), and while streaming repeats: a buffer from the
// allocator, FillBuffer, delivery downstream.
//
// The concrete pin supplies FillBuffer, its media type and its buffer size (and
// IQualityControl::Notify); the On... hooks run on the worker thread.
class CSourceStream : public CAMThread, public CBaseOutputPin {
 public:
  enum Command : uint32_t { CMD_INIT = 0, CMD_PAUSE = 1, CMD_RUN = 2, CMD_STOP = 3, CMD_EXIT = 4 };
  // How a stream ended by itself: FillBuffer said S_FALSE, FillBuffer failed, or delivery
  // downstream answered something other than S_OK.
  enum class StreamEnd { EndOfStream, FillFailed, DeliveryEnded };

  // Registers with filter, which then owns the pin. status: receives a failure, left alone on
  // success. Graph's thread.
  CSourceStream(const char16_t* objectName, HRESULT* status, CSource* filter, const char16_t* pinName);
  ~CSourceStream() override;

  // Commits the allocator, starts the thread, sends it CMD_INIT and CMD_PAUSE. A failure undoes
  // all of it. S_FALSE when the thread runs already.
  HRESULT Active() override;
  // Decommits the allocator (freeing a thread waiting for a buffer), then sends CMD_STOP and
  // CMD_EXIT and waits for the thread to end.
  HRESULT Inactive() override;

  // Fills sample with the next piece of the stream (worker thread): S_OK to deliver it, S_FALSE
  // at the end of the stream (end-of-stream goes downstream), a failure to end streaming with
  // an error (end-of-stream goes downstream and the graph hears EC_ERRORABORT).
  virtual HRESULT FillBuffer(IMediaSample* sample) = 0;
  // The one preferred type: position 0 is GetMediaType(type), later ones VFW_S_NO_MORE_ITEMS.
  HRESULT GetMediaType(int position, CMediaType* type) override;
  // The pin's type; E_UNEXPECTED unless overridden.
  virtual HRESULT GetMediaType(CMediaType* type);
  // Accepts exactly the pin's own type.
  HRESULT CheckMediaType(const CMediaType* type) override;

  // Sending one command each, graph's thread: the worker's reply.
  HRESULT Init() { return CallWorker(CMD_INIT); }
  HRESULT Exit() { return CallWorker(CMD_EXIT); }
  HRESULT Run() { return CallWorker(CMD_RUN); }
  HRESULT Pause() { return CallWorker(CMD_PAUSE); }
  HRESULT Stop() { return CallWorker(CMD_STOP); }

 protected:
  // Worker thread. After CMD_INIT; a failure is CMD_INIT's reply and ends the thread.
  virtual HRESULT OnThreadCreate() { return S_OK; }
  // Before the thread ends (also after a failed OnThreadCreate).
  virtual HRESULT OnThreadDestroy() { return S_OK; }
  // Each time streaming starts.
  virtual HRESULT OnThreadStartPlay() { return S_OK; }
  // The stream ended by itself, not by a command, after end-of-stream and the error event
  // went out; result is FillBuffer's or the delivery's.
  virtual void OnStreamEnded(StreamEnd how, HRESULT result) { (void)how, (void)result; }

  void ThreadProc() override;
  // The streaming loop; returns when a command other than pause or run waits, or when the
  // stream ended by itself.
  void DoBufferProcessingLoop();

  CSource* source_;

 private:
  void EndThread();
  bool WaitForInit();
  bool AnswerInsideLoop(uint32_t command);
  bool SendSample(ComPtr<IMediaSample> sample);
  void EndStream(HRESULT filled);
};
