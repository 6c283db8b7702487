#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "FakeCaptureSource.h"
#include "export/ExportGraph.h"
#include "export/FrameCapture.h"
#include "support/RecordingLibraryMessages.h"
#include "support/TempFolder.h"

namespace {

// An .avi movie must come out byte for byte as it always has for the same settings and frames.
// These digests were taken from movies written before MP4, Matroska and WebM were added; they
// hold for the FFmpeg 5.1 libraries the program is built with.
constexpr uint64_t kUncompressedDigest = 11773594621024939441ULL;
constexpr uint64_t kCompressedDigest = 4156907759566036818ULL;

uint64_t Fnv1a(const std::string& bytes) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (unsigned char byte : bytes) {
    hash ^= byte;
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string WriteMovie(const std::u16string& path, const std::u16string& encoder) {
  RecordingLibraryMessages messages;
  FakeCaptureSource source(64, 48);
  FrameCapture capture(64, 48, &source);
  {
    ExportGraph graph(messages);
    if (FAILED(graph.BuildGraph(&capture, path, 25.0F, encoder)) || FAILED(graph.Run())) return {};
    for (int frame = 0; frame < 4; ++frame) {
      source.Paint(frame);
      if (!capture.Grab() || graph.PushFrame() != FrameQueue::PushResult::Taken) return {};
    }
    graph.Stop();
  }
  return ReadBytes(path);
}

TEST(AviMovieBytesTest, UncompressedAndCompressedMoviesKeepTheirBytes) {
  TempFolder folder;
  const std::string uncompressed = WriteMovie(folder / u"raw.avi", u"");
  const std::string compressed = WriteMovie(folder / u"mpeg4.avi", u"MPEG-4 part 2");
  ASSERT_FALSE(uncompressed.empty());
  ASSERT_FALSE(compressed.empty());
  EXPECT_EQ(Fnv1a(uncompressed), kUncompressedDigest) << std::hex << Fnv1a(uncompressed);
  EXPECT_EQ(Fnv1a(compressed), kCompressedDigest) << std::hex << Fnv1a(compressed);
}

}  // namespace
