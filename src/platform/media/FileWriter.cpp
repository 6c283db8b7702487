#include "platform/media/FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/com/TaskMemory.h"
#include "platform/media/IMediaEventSink.h"
#include "platform/media/MediaGuids.h"
#include "platform/sys/StringConvert.h"

namespace {

// Whether path can be written, found by trying: a new file is created and removed again, an
// existing one opened for writing (without waiting on a pipe nobody reads).
HRESULT ProbeWritable(const std::string& path) {
  int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor >= 0) {
    close(descriptor);
    unlink(path.c_str());
    return S_OK;
  }
  if (errno != EEXIST) return HResultFromLastError();
  descriptor = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return HResultFromLastError();
  close(descriptor);
  return S_OK;
}

}  // namespace

FileWriter::FileWriter() : input_(*this, u"in") { AddPin(&input_); }

FileWriter::~FileWriter() {
  if (descriptor_ >= 0) close(descriptor_);
}

HRESULT FileWriter::GetClassID(Guid* classId) {
  if (classId == nullptr) return E_POINTER;
  *classId = CLSID_FileWriter;
  return S_OK;
}

HRESULT FileWriter::SetFileName(const char16_t* fileName, const AM_MEDIA_TYPE* type) {
  if (fileName == nullptr) return E_POINTER;
  if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
  const std::u16string name(fileName);
  if (name.empty()) return E_INVALIDARG;
  const HRESULT hr = ProbeWritable(ToUtf8(name));
  if (FAILED(hr)) return hr;
  fileName_ = name;
  fileType_ = type != nullptr ? MediaType(*type) : MediaType();
  return S_OK;
}

HRESULT FileWriter::GetCurFile(char16_t** fileName, AM_MEDIA_TYPE* type) {
  if (fileName == nullptr) return E_POINTER;
  *fileName = nullptr;
  if (type != nullptr) {
    const HRESULT hr = CopyMediaType(*type, fileType_.get());
    if (FAILED(hr)) return hr;
  }
  if (fileName_.empty()) return S_OK;
  *fileName = TaskMemCopyString(fileName_);
  return *fileName != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT FileWriter::SetMode(uint32_t flags) {
  if ((flags & ~AM_FILE_OVERWRITE) != 0) return E_INVALIDARG;
  mode_ = flags;
  return S_OK;
}

HRESULT FileWriter::GetMode(uint32_t* flags) {
  if (flags == nullptr) return E_POINTER;
  *flags = mode_;
  return S_OK;
}

HRESULT FileWriter::CheckMediaType(const FilterPin&, const AM_MEDIA_TYPE& type) {
  return type.majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT FileWriter::OnStart() {
  if (fileName_.empty()) return E_UNEXPECTED;
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | ((mode_ & AM_FILE_OVERWRITE) != 0 ? O_TRUNC : 0);
  descriptor_ = open(ToUtf8(fileName_).c_str(), flags, 0666);
  if (descriptor_ < 0) return HResultFromLastError();
  struct stat status {};
  openedSize_ = fstat(descriptor_, &status) == 0 ? status.st_size : 0;
  written_ = reserved_ = 0;
  return S_OK;
}

HRESULT FileWriter::OnStop() {
  if (descriptor_ < 0) return S_OK;
  HRESULT hr = TrimUnusedRoom();
  if (SUCCEEDED(hr)) hr = CheckStillNamed();
  // A delayed write error (a network disk) shows only here; it is still lost data.
  const int closed = close(descriptor_);
  descriptor_ = -1;
  if (closed != 0) return Abort(HResultFromLastError());
  return FAILED(hr) ? Abort(hr) : S_OK;
}

// A file removed while it was written (its folder deleted) takes every write and is gone when
// closed: that is lost data, not a movie.
HRESULT FileWriter::CheckStillNamed() const {
  struct stat written {
  }, named{};
  if (fstat(descriptor_, &written) != 0 || !S_ISREG(written.st_mode)) return S_OK;
  if (stat(ToUtf8(fileName_).c_str(), &named) != 0) return HResultFromLastError();
  const bool same = named.st_dev == written.st_dev && named.st_ino == written.st_ino;
  return same ? S_OK : HResultFromWin32(ENOENT);
}

// Takes the disk space up to end now. A file system that cannot (or a file that is no plain
// file) gets no room in advance; its writes still report a full disk when it comes.
HRESULT FileWriter::Reserve(int64_t end) {
  if (end <= reserved_) return S_OK;
  if (fallocate(descriptor_, 0, reserved_, end - reserved_) == 0) {
    reserved_ = end;
    return S_OK;
  }
  if (errno == ENOSPC || errno == EFBIG || errno == EDQUOT || errno == EIO) return HResultFromLastError();
  return S_OK;
}

HRESULT FileWriter::TrimUnusedRoom() {
  const int64_t end = std::max(written_, openedSize_);
  if (reserved_ <= end) return S_OK;
  return ftruncate(descriptor_, end) == 0 ? S_OK : HResultFromLastError();
}

HRESULT FileWriter::Receive(InputPin&, IMediaSample* sample) {
  REFERENCE_TIME start = 0;
  REFERENCE_TIME end = 0;
  if (FAILED(sample->GetTime(&start, &end))) return Abort(VFW_E_SAMPLE_TIME_NOT_SET);
  uint8_t* bytes = nullptr;
  if (start < 0 || FAILED(sample->GetPointer(&bytes))) return Abort(E_INVALIDARG);
  const int32_t count = sample->GetActualDataLength();
  const HRESULT hr = count == 0 ? Reserve(start) : WriteAt(start, bytes, count);
  return FAILED(hr) ? Abort(hr) : S_OK;
}

HRESULT FileWriter::WriteAt(int64_t offset, const uint8_t* bytes, int32_t count) {
  while (count > 0) {
    const ssize_t wrote = pwrite(descriptor_, bytes, static_cast<size_t>(count), offset);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0) return HResultFromLastError();
    // A write that makes no progress and names no error is a full disk.
    if (wrote == 0) return HResultFromWin32(ENOSPC);
    bytes += wrote;
    offset += wrote;
    count -= static_cast<int32_t>(wrote);
    written_ = std::max(written_, offset);
  }
  return S_OK;
}

HRESULT FileWriter::EndOfStream(InputPin&) {
  NotifyEvent(EC_COMPLETE, S_OK, 0);
  return S_OK;
}
