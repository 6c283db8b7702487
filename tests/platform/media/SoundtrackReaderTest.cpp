#include "platform/media/SoundtrackReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/sys/StringConvert.h"
#include "support/MovieProbe.h"
#include "support/TempFolder.h"

namespace {

constexpr int kRate = SoundtrackReader::kRate;

// Half-second tones in three formats FFmpeg decodes, and files that are no sound.
class SoundtrackReaderTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const std::u16string& file : {ogg, flac, wav}) ASSERT_TRUE(WriteTone(file, 0.5));
  }

  // The loudest sample of each tenth of a second over seconds of the reader's sound.
  static std::vector<float> PeaksPerTenth(SoundtrackReader& reader, double seconds) {
    std::vector<float> peaks;
    std::vector<float> samples(kRate / 10 * SoundtrackReader::kChannels);
    for (int tenth = 0; tenth < std::lround(seconds * 10); ++tenth) {
      reader.Read(samples.data(), kRate / 10);
      float peak = 0.0f;
      for (float s : samples) peak = std::max(peak, std::fabs(s));
      peaks.push_back(peak);
    }
    return peaks;
  }

  TempFolder folder;
  std::u16string ogg = folder / u"tone.ogg";
  std::u16string flac = folder / u"tone.flac";
  std::u16string wav = folder / u"tone.wav";
};

TEST_F(SoundtrackReaderTest, FilesPlayOneAfterAnotherThenSilenceOrTheListAgain) {
  SoundtrackReader once(Soundtrack{{ogg, flac}, false});
  std::vector<float> peaks = PeaksPerTenth(once, 1.5);
  for (int tenth = 0; tenth < 10; ++tenth) EXPECT_GT(peaks[tenth], 0.05f) << tenth;
  for (int tenth = 10; tenth < 15; ++tenth) EXPECT_EQ(peaks[tenth], 0.0f) << tenth;
  EXPECT_TRUE(once.brokenFile().empty());

  SoundtrackReader looped(Soundtrack{{wav}, true});
  peaks = PeaksPerTenth(looped, 2.0);
  for (int tenth : {1, 6, 11, 16}) EXPECT_GT(peaks[tenth], 0.05f) << tenth;
}

TEST_F(SoundtrackReaderTest, AFileGoneByItsTurnEndsTheSoundInSilenceAndIsNamed) {
  const std::u16string gone = folder / u"gone.mp3";
  SoundtrackReader reader(Soundtrack{{ogg, gone, flac}, true});
  const std::vector<float> peaks = PeaksPerTenth(reader, 1.5);
  EXPECT_GT(peaks[2], 0.05f);
  for (int tenth = 6; tenth < 15; ++tenth) EXPECT_EQ(peaks[tenth], 0.0f) << tenth;
  EXPECT_EQ(reader.brokenFile(), gone);
}

// Files whose second half never arrived: the MP3's header still announces two seconds, the
// FLAC's last frame breaks off mid-way.
TEST_F(SoundtrackReaderTest, AFileCutHalfWayPlaysUpToTheCutThenSilenceAndIsNamed) {
  for (const std::u16string name : {u"cut.mp3", u"cut.flac"}) {
    const std::u16string whole = folder / (u"whole-" + name);
    const std::u16string cut = folder / name;
    ASSERT_TRUE(WriteTone(whole, 2.0));
    const std::string bytes = ReadBytes(whole);
    WriteBytes(cut, bytes.substr(0, bytes.size() / 2 + 1));
    EXPECT_EQ(SoundtrackFileProblem(cut), u"") << ToUtf8(name);

    SoundtrackReader reader(Soundtrack{{cut, ogg}, false});
    const std::vector<float> peaks = PeaksPerTenth(reader, 2.5);
    for (int tenth = 0; tenth < 6; ++tenth) EXPECT_GT(peaks[tenth], 0.05f) << ToUtf8(name) << tenth;
    // Neither the rest of the cut file nor the next one plays.
    for (int tenth = 13; tenth < 25; ++tenth) EXPECT_EQ(peaks[tenth], 0.0f) << ToUtf8(name) << tenth;
    EXPECT_EQ(reader.brokenFile(), cut) << ToUtf8(name);
  }
  // A whole file is not taken for a cut one.
  SoundtrackReader whole(Soundtrack{{folder / u"whole-cut.mp3"}, false});
  PeaksPerTenth(whole, 2.5);
  EXPECT_EQ(whole.brokenFile(), u"");
}

TEST_F(SoundtrackReaderTest, OnlyFilesWithSoundPassTheCheckAndEachProblemNamesItsFile) {
  EXPECT_EQ(SoundtrackProblem(Soundtrack{{ogg, flac, wav}, false}), u"");
  const std::u16string missing = folder / u"missing.mp3";
  EXPECT_EQ(SoundtrackFileProblem(missing), u"The soundtrack file \"" + missing + u"\" does not exist.");
  const std::u16string text = folder / u"notes.mp3";
  WriteBytes(text, "these are no sounds at all, just some words in a file");
  const std::u16string picture = folder / u"photo.png";
  ASSERT_EQ(std::system(("ffmpeg -v error -y -f lavfi -i color=c=red:s=16x16 -frames:v 1 '" + ToUtf8(picture) +
                         "' >/dev/null 2>&1")
                            .c_str()),
            0);
  for (const std::u16string& bad : {text, picture, folder.path()}) {
    const std::u16string problem = SoundtrackProblem(Soundtrack{{ogg, bad}, false});
    EXPECT_NE(problem.find(u"\"" + bad + u"\""), std::u16string::npos) << ToUtf8(problem);
  }
}

}  // namespace
