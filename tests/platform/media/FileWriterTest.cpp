#include <gtest/gtest.h>

#include "GraphEvents.h"
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/com/TaskMemory.h"
#include "platform/media/FileWriter.h"
#include "platform/media/FilterGraph.h"
#include "platform/media/IMediaEvent.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/OutputPin.h"
#include "platform/sys/StringConvert.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace {

// Sends byte blocks at chosen file offsets, as the AVI Mux does.
class ByteSource final : public ComObject<MediaFilter> {
 public:
  ByteSource() : output_(*this, u"Out") { AddPin(&output_); }

  HRESULT GetClassID(Guid* classId) override {
    *classId = GUID_NULL;
    return S_OK;
  }
  HRESULT CheckMediaType(const FilterPin&, const AM_MEDIA_TYPE& type) override {
    return type.majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
  }
  void GetMediaTypes(const FilterPin&, std::vector<MediaType>* types) override {
    MediaType stream;
    stream->majortype = MEDIATYPE_Stream;
    stream->subtype = MEDIASUBTYPE_Avi;
    stream->formattype = FORMAT_None;
    types->push_back(stream);
  }
  HRESULT DecideBufferSize(const OutputPin&, ALLOCATOR_PROPERTIES* properties) override {
    properties->cBuffers = 1;
    properties->cbBuffer = 4096;
    return S_OK;
  }

  // timed false sends the bytes with no offset at all.
  HRESULT Send(int64_t offset, const std::string& bytes, bool timed = true) {
    ComPtr<IMediaSample> sample;
    HRESULT hr = output_.GetDeliveryBuffer(sample.Receive());
    if (FAILED(hr)) return hr;
    uint8_t* buffer = nullptr;
    sample->GetPointer(&buffer);
    std::memcpy(buffer, bytes.data(), bytes.size());
    sample->SetActualDataLength(static_cast<int32_t>(bytes.size()));
    REFERENCE_TIME start = offset;
    REFERENCE_TIME end = offset + static_cast<int64_t>(bytes.size());
    if (timed) sample->SetTime(&start, &end);
    return output_.Deliver(sample.Get());
  }

  OutputPin output_;
};

class FileWriterTest : public ::testing::Test {
 protected:
  FileWriterTest() : writer_(MakeCom<FileWriter>()), source_(MakeCom<ByteSource>()) {
    CreateFilterGraph(graph_.Receive());
    graph_->AddFilter(source_.Get(), u"Bytes");
    graph_->AddFilter(writer_.Get(), u"Writer");
  }

  HRESULT Connect() {
    ComPtr<IPin> input;
    writer_->FindPin(u"in", input.Receive());
    return graph_->ConnectDirect(&source_->output_, input.Get(), nullptr);
  }

  // Connects, runs, sends each block and stops; the first send failure.
  HRESULT WriteBlocks(const std::vector<std::pair<int64_t, std::string>>& blocks) {
    EXPECT_EQ(Connect(), S_OK);
    ComPtr<IMediaControl> control;
    graph_.As(control);
    HRESULT hr = control->Run();
    for (const auto& [offset, bytes] : blocks) {
      if (SUCCEEDED(hr)) hr = source_->Send(offset, bytes);
    }
    control->Stop();
    return hr;
  }

  std::vector<std::pair<int32_t, intptr_t>> Events() { return TakeGraphEvents(graph_); }

  TempFolder folder_;
  ComPtr<FileWriter> writer_;
  ComPtr<ByteSource> source_;
  ComPtr<IGraphBuilder> graph_;
};

TEST_F(FileWriterTest, SetFileNameFailsAtOnceWhereNoFileCanBeWritten) {
  EXPECT_EQ(writer_->SetFileName((folder_ / u"missing/movie.avi").c_str(), nullptr), HResultFromWin32(ENOENT));
  EXPECT_EQ(writer_->SetFileName(u"/sys/movie.avi", nullptr), HResultFromWin32(EACCES));
  EXPECT_EQ(writer_->SetFileName(folder_.path().c_str(), nullptr), HResultFromWin32(EISDIR));
  EXPECT_EQ(writer_->SetFileName(u"", nullptr), E_INVALIDARG);
  EXPECT_EQ(writer_->SetFileName(nullptr, nullptr), E_POINTER);
  if (geteuid() != 0) {  // permissions do not stop the superuser
    const auto locked = folder_ / u"locked";
    mkdir(ToUtf8(locked).c_str(), 0555);
    EXPECT_EQ(writer_->SetFileName((locked + u"/movie.avi").c_str(), nullptr), HResultFromWin32(EACCES));
  }
  char16_t* name = nullptr;
  ASSERT_EQ(writer_->GetCurFile(&name, nullptr), S_OK);
  EXPECT_EQ(name, nullptr);  // none of those was taken
}

TEST_F(FileWriterTest, SetFileNameLeavesNoFileBehindAndExistingFilesAlone) {
  const auto fresh = folder_ / u"fresh.avi";
  ASSERT_EQ(writer_->SetFileName(fresh.c_str(), nullptr), S_OK);
  EXPECT_NE(access(ToUtf8(fresh).c_str(), F_OK), 0);
  char16_t* name = nullptr;
  ASSERT_EQ(writer_->GetCurFile(&name, nullptr), S_OK);
  EXPECT_EQ(std::u16string(name), fresh);
  TaskMemFree(name);

  const auto existing = folder_ / u"existing.avi";
  WriteBytes(existing, "keep me");
  ASSERT_EQ(writer_->SetFileName(existing.c_str(), nullptr), S_OK);
  EXPECT_EQ(ReadBytes(existing), "keep me");
}

TEST_F(FileWriterTest, WritesEachSampleAtItsOffsetAndOverwriteEmptiesTheFileFirst) {
  const auto path = folder_ / u"out.bin";
  WriteBytes(path, std::string(64, '#'));
  ASSERT_EQ(writer_->SetFileName(path.c_str(), nullptr), S_OK);
  ASSERT_EQ(writer_->SetMode(AM_FILE_OVERWRITE), S_OK);
  EXPECT_EQ(WriteBlocks({{4, "body"}, {0, "HEAD"}, {10, "tail"}}), S_OK);
  EXPECT_EQ(ReadBytes(path), std::string("HEADbody") + std::string(2, '\0') + "tail");
}

TEST_F(FileWriterTest, WithoutOverwriteTheOldBytesBeyondTheNewOnesStay) {
  const auto path = folder_ / u"out.bin";
  WriteBytes(path, "0123456789");
  ASSERT_EQ(writer_->SetFileName(path.c_str(), nullptr), S_OK);
  uint32_t mode = 7;
  ASSERT_EQ(writer_->GetMode(&mode), S_OK);
  EXPECT_EQ(mode, 0u);
  EXPECT_EQ(WriteBlocks({{2, "ab"}}), S_OK);
  EXPECT_EQ(ReadBytes(path), "01ab456789");
  EXPECT_EQ(writer_->SetMode(0x2), E_INVALIDARG);
}

TEST_F(FileWriterTest, AFailedWriteFailsReceiveAndIsReportedOnce) {
  ASSERT_EQ(writer_->SetFileName(u"/dev/full", nullptr), S_OK);
  ASSERT_EQ(Connect(), S_OK);
  ComPtr<IMediaControl> control;
  graph_.As(control);
  ASSERT_EQ(control->Run(), S_OK);
  EXPECT_EQ(source_->Send(0, "data"), HResultFromWin32(ENOSPC));
  EXPECT_EQ(source_->Send(4, "more"), HResultFromWin32(ENOSPC));
  EXPECT_EQ(source_->Send(8, "none", false), VFW_E_SAMPLE_TIME_NOT_SET);
  control->Stop();
  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0], std::make_pair(EC_ERRORABORT, static_cast<intptr_t>(HResultFromWin32(ENOSPC))));
  // Stopped: no more writing, and no further report.
  EXPECT_EQ(source_->Send(0, "late"), VFW_E_NOT_COMMITTED);
}

// An empty sample asks for room up to its offset: a full disk refuses it before anything is
// written, and room that was taken but not written into is gone once the writer stops.
TEST_F(FileWriterTest, RoomIsTakenAheadRefusedByAFullDiskAndTrimmedAtTheStop) {
  const auto path = folder_ / u"out.bin";
  WriteBytes(path, "0123456789");
  ASSERT_EQ(writer_->SetFileName(path.c_str(), nullptr), S_OK);
  ASSERT_EQ(Connect(), S_OK);
  ComPtr<IMediaControl> control;
  graph_.As(control);
  ASSERT_EQ(control->Run(), S_OK);
  EXPECT_EQ(source_->Send(0, "HEAD"), S_OK);
  EXPECT_EQ(source_->Send(1 << 20, ""), S_OK);
  struct stat status {};
  ASSERT_EQ(stat(ToUtf8(path).c_str(), &status), 0);
  EXPECT_EQ(status.st_size, 1 << 20);  // the disk's blocks are the file's now
  EXPECT_EQ(source_->Send(4, "body"), S_OK);
  {
    FileSizeLimit limit(2 << 20);
    EXPECT_EQ(source_->Send(3 << 20, ""), HResultFromWin32(EFBIG));
    EXPECT_EQ(source_->Send(8, "tail"), S_OK);  // still inside the room taken
  }
  control->Stop();
  // The room beyond the last byte written is gone again.
  EXPECT_EQ(ReadBytes(path), "HEADbodytail");
  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0], std::make_pair(EC_ERRORABORT, static_cast<intptr_t>(HResultFromWin32(EFBIG))));
}

// Writes to a file removed meanwhile all succeed and are lost with it; the stop says so.
TEST_F(FileWriterTest, AFileRemovedWhileItIsWrittenFailsTheStop) {
  const auto path = folder_ / u"removed.avi";
  ASSERT_EQ(writer_->SetFileName(path.c_str(), nullptr), S_OK);
  ASSERT_EQ(Connect(), S_OK);
  ComPtr<IMediaControl> control;
  graph_.As(control);
  ASSERT_EQ(control->Run(), S_OK);
  EXPECT_EQ(source_->Send(0, "HEAD"), S_OK);
  ASSERT_EQ(unlink(ToUtf8(path).c_str()), 0);
  EXPECT_EQ(source_->Send(4, "body"), S_OK);
  control->Stop();
  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0], std::make_pair(EC_ERRORABORT, static_cast<intptr_t>(HResultFromWin32(ENOENT))));
}

TEST_F(FileWriterTest, TakesOnlyAByteStreamAndAStartNeedsAFile) {
  ComPtr<IPin> input;
  ASSERT_EQ(writer_->FindPin(u"in", input.Receive()), S_OK);
  AM_MEDIA_TYPE video;
  video.majortype = MEDIATYPE_Video;
  EXPECT_EQ(input->QueryAccept(&video), S_FALSE);
  EXPECT_EQ(writer_->Pause(), E_UNEXPECTED);
}

}  // namespace
