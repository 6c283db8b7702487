#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "photos/FilePaths.h"
#include "settings/Settings.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

// A process saving the settings over and over is killed at random moments; whatever moment it
// dies at, the settings file must be one of the two complete files it alternates between.
class SettingsKillTest : public testing::Test {
 protected:
  static constexpr int kKills = 200;

  SettingsEnvironment Environment() const { return {program_.path(), 1024, 768, u"/home/u/Documents/Pagewing"}; }
  std::u16string SettingsFile() const { return config_ / u"Starwick Software/Pagewing/Pagewing.txt"; }

  // Settings that differ from the other variant in many lines, so that a save takes long
  // enough (over a thousand writes) for most kills to land inside one.
  Settings Variant(int32_t quality, PhotoRotation rotation) {
    Settings settings(Environment());
    EXPECT_TRUE(settings.LoadFile(SettingsFile()));  // loaded, so Save may replace the file
    settings.Quality = quality;
    for (int i = 0; i < Settings::kRotationSlotCount; ++i)
      settings.SetPhotoRotation(u"/home/u/photos/" + std::u16string(1, u'a' + i % 26) + u"/" +
                                    std::u16string(i / 26 + 1, u'x') + u".jpg",
                                rotation);
    return settings;
  }

  std::string SavedBytes(const Settings& settings) {
    std::u16string failure;
    EXPECT_EQ(settings.Save(failure), Settings::SaveOutcome::Written);
    return ReadBytes(SettingsFile());
  }

  TempFolder config_;
  TempFolder program_;
  ScopedEnv configHome_{"XDG_CONFIG_HOME", config_.path()};
};

// Writes one byte to done after each completed save, so the parent can pick how many saves to
// let through before its kill, however fast or slow saving is on this machine.
[[noreturn]] void SaveForever(const Settings& first, const Settings& second, int done) {
  for (int i = 0;; ++i) {
    std::u16string failure;
    (i % 2 == 0 ? first : second).Save(failure);
    const char mark = 1;
    if (write(done, &mark, 1) != 1) _exit(1);
  }
}

// Waits for count completed saves; false when the child died first.
bool AwaitSaves(int done, int count) {
  char mark;
  for (int i = 0; i < count; ++i)
    if (read(done, &mark, 1) != 1) return false;
  return true;
}

TEST_F(SettingsKillTest, FileIsAlwaysTheOldOrTheNewCompleteFile) {
  std::u16string failure;
  ASSERT_EQ(Settings(Environment()).Save(failure), Settings::SaveOutcome::Written);
  const Settings a = Variant(0, 1), b = Variant(2, 6);
  const std::string bytesB = SavedBytes(b), bytesA = SavedBytes(a);
  ASSERT_NE(bytesA, bytesB);

  std::mt19937 random(19);
  std::uniform_int_distribution<int> savesFirst(0, 2), delayMicroseconds(0, 2000);
  int sawA = 0, sawB = 0, killedWhileWriting = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipeEnds[0]);
      SaveForever(b, a, pipeEnds[1]);
    }
    close(pipeEnds[1]);
    EXPECT_TRUE(AwaitSaves(pipeEnds[0], savesFirst(random)));
    usleep(static_cast<useconds_t>(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    close(pipeEnds[0]);
    ASSERT_TRUE(WIFSIGNALED(status));
    if (FileExists(SettingsFile() + u".new")) ++killedWhileWriting;
    const std::string now = ReadBytes(SettingsFile());
    ASSERT_TRUE(now == bytesA || now == bytesB) << "kill " << kill << " left " << now.size() << " bytes";
    (now == bytesA ? sawA : sawB)++;
  }
  // Proof that the kills hit saves in progress and that saves also completed in between.
  EXPECT_GT(killedWhileWriting, 0);
  EXPECT_GT(sawB, 0);
  EXPECT_GT(sawA, 0);
  // The next save after a kill still works and replaces what a killed one left.
  EXPECT_EQ(SavedBytes(b), bytesB);
  EXPECT_FALSE(FileExists(SettingsFile() + u".new"));
}

}  // namespace
