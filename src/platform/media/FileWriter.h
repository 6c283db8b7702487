#pragma once

#include <string>

#include "platform/com/ComObject.h"
#include "platform/media/IFileSinkFilter2.h"
#include "platform/media/InputPin.h"
#include "platform/media/MediaFilter.h"

// The File Writer (CLSID_FileWriter): one input pin taking a byte stream (MEDIATYPE_Stream) whose
// samples each carry their file offset as start time, written there. The file is opened when the
// filter starts (emptied first in AM_FILE_OVERWRITE mode) and closed when it stops. A failed
// write fails Receive with the system error and reports EC_ERRORABORT; later writes are still
// tried, so the muxer can complete what fits. A sample without bytes asks for room: the file
// is made to reach its start time with space taken on the disk (where the file system can),
// so a full disk fails there, before anything is cut; room not written into is trimmed away
// when the filter stops. A file no longer found under its name when the filter stops (removed
// with its folder) is reported as a failure. The end of the stream reports EC_COMPLETE.
// Graph's thread for everything but the pin's streaming calls.
class FileWriter final : public ComObject<MediaFilter, IFileSinkFilter2> {
 public:
  FileWriter();
  ~FileWriter() override;

  HRESULT GetClassID(Guid* classId) override;

  // Checks at once that the file can be created or opened for writing (without leaving a new
  // file behind): a missing or read-only folder fails here with its system error. type may be
  // null. Only while stopped.
  HRESULT SetFileName(const char16_t* fileName, const AM_MEDIA_TYPE* type) override;
  // The name as task memory (null when none was set); type, when asked for, gets a copy of the
  // type given with the name (an empty type when none was).
  HRESULT GetCurFile(char16_t** fileName, AM_MEDIA_TYPE* type) override;
  // 0 or AM_FILE_OVERWRITE; anything else is E_INVALIDARG.
  HRESULT SetMode(uint32_t flags) override;
  HRESULT GetMode(uint32_t* flags) override;

  HRESULT CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) override;
  HRESULT Receive(InputPin& pin, IMediaSample* sample) override;
  HRESULT EndOfStream(InputPin& pin) override;

 protected:
  HRESULT OnStart() override;
  HRESULT OnStop() override;

 private:
  HRESULT WriteAt(int64_t offset, const uint8_t* bytes, int32_t count);
  HRESULT Reserve(int64_t end);
  HRESULT TrimUnusedRoom();
  HRESULT CheckStillNamed() const;

  InputPin input_;
  std::u16string fileName_;
  MediaType fileType_;
  uint32_t mode_ = 0;
  int descriptor_ = -1;
  int64_t openedSize_ = 0;  // the file's size when opened
  int64_t written_ = 0;     // the furthest byte written
  int64_t reserved_ = 0;    // the furthest byte of room taken
};
