#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "resources/ControlId.h"
#include "resources/DialogResources.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "ui/RecordingMessages.h"
#include "ui/ScriptedDialogControls.h"
#include "ui/SoundtrackListEditor.h"

namespace {

namespace Id = ControlId;

// The soundtrack controls of the export dialog, a chooser that answers from a queue (cancel
// when empty) and a check that refuses the files it is told of.
class SoundtrackListEditorTest : public testing::Test {
 protected:
  void Open() {
    controls.Attach(&handler);
    editor.Open(controls, settings, locale);
  }
  void Add(const std::u16string& file) {
    answers.push_back(file);
    controls.Click(Id::ExportSoundtrackAdd);
  }
  std::vector<std::u16string> Shown() const { return controls.Entries(Id::ExportSoundtrackList); }
  int Chosen() const { return controls.ListSelection(Id::ExportSoundtrackList); }

  // Passes every change report to the editor, as the export dialog does.
  struct Forward : DialogHandler {
    explicit Forward(SoundtrackListEditor& editor) : editor(editor) {}
    void OnInit(DialogControls&) override {}
    void OnChanged(DialogControls& controls, int id) override { editor.OnChanged(controls, id); }
    bool OnOk(DialogControls&) override { return true; }
    SoundtrackListEditor& editor;
  };

  Settings settings{SettingsEnvironment{u"/opt/pagewing", 1024, 768, u"/home/u/Documents/Pagewing"}};
  FLocale locale;
  RecordingMessages messages;
  std::deque<std::u16string> answers;
  std::vector<std::u16string> startedAt;
  std::set<std::u16string> bad;
  SoundtrackListEditor editor{[this](const std::u16string& start) {
                                startedAt.push_back(start);
                                if (answers.empty()) return std::u16string();
                                std::u16string answer = answers.front();
                                answers.pop_front();
                                return answer;
                              },
                              [this](const std::u16string& file) {
                                return bad.count(file) != 0 ? u"The soundtrack file \"" + file + u"\" is bad."
                                                            : std::u16string();
                              },
                              messages};
  Forward handler{editor};
  ScriptedDialogControls controls{ExportSettingsDialogResource()};
};

TEST_F(SoundtrackListEditorTest, OpensOnTheStoredFilesByNameWithTheLoopAndTheButtonsThatCanAct) {
  settings.Soundtrack = {u"/music/a.mp3", u"/music/b.flac"};
  settings.LoopSoundtrack = true;
  Open();
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"a.mp3", u"b.flac"}));
  EXPECT_EQ(Chosen(), 0);
  EXPECT_TRUE(controls.Checked(Id::ExportSoundtrackLoop));
  EXPECT_EQ(controls.Text(Id::ExportSoundtrackGroup), u"Soundtrack");
  EXPECT_EQ(controls.Text(Id::ExportSoundtrackAdd), u"Add...");
  EXPECT_FALSE(controls.Enabled(Id::ExportSoundtrackUp));
  EXPECT_TRUE(controls.Enabled(Id::ExportSoundtrackDown));
  controls.Pick(Id::ExportSoundtrackList, 1);
  EXPECT_TRUE(controls.Enabled(Id::ExportSoundtrackUp));
  EXPECT_FALSE(controls.Enabled(Id::ExportSoundtrackDown));

  settings.Soundtrack.clear();
  Open();
  EXPECT_TRUE(Shown().empty());
  EXPECT_FALSE(controls.Enabled(Id::ExportSoundtrackRemove));
  EXPECT_FALSE(controls.Enabled(Id::ExportSoundtrackLoop));
}

TEST_F(SoundtrackListEditorTest, AnAddedFilePlaysAfterTheChosenOneAndABadOneIsRefusedByName) {
  Open();
  Add(u"/music/a.mp3");
  Add(u"/music/c.ogg");
  controls.Pick(Id::ExportSoundtrackList, 0);
  Add(u"/music/b.wav");
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"a.mp3", u"b.wav", u"c.ogg"}));
  EXPECT_EQ(Chosen(), 1);
  // The chooser starts where the last file came from.
  EXPECT_EQ(startedAt, (std::vector<std::u16string>{u"", u"/music/a.mp3", u"/music/a.mp3"}));

  bad.insert(u"/music/notes.txt");
  Add(u"/music/notes.txt");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, u"The soundtrack file \"/music/notes.txt\" is bad.");
  EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Error);
  controls.Click(Id::ExportSoundtrackAdd);  // cancelled
  EXPECT_EQ(Shown().size(), 3u);

  editor.StoreTo(settings, controls);
  EXPECT_EQ(settings.Soundtrack, (std::vector<std::u16string>{u"/music/a.mp3", u"/music/b.wav", u"/music/c.ogg"}));
}

TEST_F(SoundtrackListEditorTest, FilesMoveAndGoAndAnEmptyListIsNotStoredAsLooping) {
  settings.Soundtrack = {u"/m/a.mp3", u"/m/b.mp3", u"/m/c.mp3"};
  Open();
  controls.Click(Id::ExportSoundtrackUp);  // the first cannot go up
  controls.Click(Id::ExportSoundtrackDown);
  controls.Click(Id::ExportSoundtrackDown);
  controls.Click(Id::ExportSoundtrackDown);  // nor the last down
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"b.mp3", u"c.mp3", u"a.mp3"}));
  EXPECT_EQ(Chosen(), 2);
  controls.Click(Id::ExportSoundtrackRemove);
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"b.mp3", u"c.mp3"}));
  EXPECT_EQ(Chosen(), 1);
  controls.Toggle(Id::ExportSoundtrackLoop);
  editor.StoreTo(settings, controls);
  EXPECT_EQ(settings.Soundtrack, (std::vector<std::u16string>{u"/m/b.mp3", u"/m/c.mp3"}));
  EXPECT_TRUE(settings.LoopSoundtrack);

  controls.Click(Id::ExportSoundtrackRemove);
  controls.Click(Id::ExportSoundtrackRemove);
  controls.Click(Id::ExportSoundtrackRemove);  // nothing left to remove
  editor.StoreTo(settings, controls);
  EXPECT_TRUE(settings.Soundtrack.empty());
  EXPECT_FALSE(settings.LoopSoundtrack);
}

TEST_F(SoundtrackListEditorTest, TheCheckNamesAFileGoneSinceItWasAddedAndChoosesIt) {
  settings.Soundtrack = {u"/m/a.mp3", u"/m/gone.mp3"};
  Open();
  EXPECT_TRUE(editor.Check(controls));
  bad.insert(u"/m/gone.mp3");
  EXPECT_FALSE(editor.Check(controls));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(u"\"/m/gone.mp3\""), std::u16string::npos);
  EXPECT_EQ(Chosen(), 1);
}

}  // namespace
