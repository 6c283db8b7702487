#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/ExportStarter.h"
#include "app/SettingsDialogs.h"
#include "framework/FrameworkControl.h"
#include "platform/gui/AboutBox.h"
#include "platform/sys/StringConvert.h"
#include "platform/gui/ColourDialog.h"
#include "platform/gui/FileDialogs.h"
#include "platform/gui/MessageSink.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/WebPageOpener.h"
#include "settings/Settings.h"

// Scripted stand-ins for the framework and the window's dialogs: each records what it was
// asked and answers what the test put in.

class FakeFramework : public FrameworkControl {
 public:
  void Pause(bool pauseTime, bool pauseRendering) override {
    calls.push_back(std::string("pause ") + (pauseTime ? "1" : "0") + (pauseRendering ? "1" : "0"));
  }
  bool IsWindowed() const override { return windowed; }
  FrameworkStatus ToggleFullScreen() override {
    calls.push_back("toggle");
    windowed = !windowed;
    return FrameworkStatus::Ok;
  }
  PixelSize ClientSize() const override { return client; }
  void ResizeClientArea(int width, int height) override {
    calls.push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
    client = {width, height};
  }
  void SetWindowTitle(const std::u16string& text) override { title = text; }
  ScreenRect OuterRect() const override { return outer; }
  const char* FrameStatisticsText() const override { return ""; }
  void Shutdown(int exitCode) override { calls.push_back("shutdown " + std::to_string(exitCode)); }

  bool windowed = true;
  PixelSize client{640, 480};
  ScreenRect outer{10, 20, 660, 520};
  std::u16string title;
  std::vector<std::string> calls;
};

struct ShownMessage {
  std::u16string text;
  MessageSink::Icon icon;
};

class ScriptedMessageBoxes : public MessageSink {
 public:
  void ShowMessage(const std::u16string& text, Icon icon) override { shown.push_back({text, icon}); }
  std::vector<ShownMessage> shown;
};

class ScriptedFileDialogs : public FileDialogs {
 public:
  std::u16string ShowFileDialog(int kind, const std::u16string& initialPath) override {
    asked.emplace_back(kind, initialPath);
    if (answers.empty()) return {};
    std::u16string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::u16string> answers;  // none left: the user cancels
  std::vector<std::pair<int, std::u16string>> asked;
};

class ScriptedPopupMenu : public PopupMenu {
 public:
  int Track(const std::vector<PopupMenuItem>& items, int, int) override {
    shown.push_back(items);
    if (whileOpen) whileOpen();
    return answer;
  }
  std::vector<std::vector<PopupMenuItem>> shown;
  int answer = 0;
  // Runs while the menu is open, as the window's other messages do in its nested loop.
  std::function<void()> whileOpen;
};

class ScriptedColourDialog : public ColourDialog {
 public:
  bool ChooseColour(int& r, int& g, int& b) override {
    offered = {r, g, b};
    if (!ok) return false;
    r = chosen[0], g = chosen[1], b = chosen[2];
    return true;
  }
  bool ok = true;
  std::vector<int> chosen{0, 0, 0};
  std::vector<int> offered;
};

class CountingAboutBox : public AboutBox {
 public:
  void ShowAboutDialog() override { ++shown; }
  int shown = 0;
};

class RecordingWebOpener : public WebPageOpener {
 public:
  void OpenWebPage(const std::u16string& address) override { opened.push_back(address); }
  std::vector<std::u16string> opened;
};

class ScriptedSettingsDialogs : public SettingsDialogs {
 public:
  bool ExportSettingsDialog(Settings& settings) override {
    calls.push_back("export");
    if (exportOk) settings.ExportType = exportType;
    return exportOk;
  }
  bool AnimationSpeedDialog(Settings& settings) override {
    calls.push_back("speed");
    if (speedOk) settings.TimePage = timePage;
    return speedOk;
  }
  bool EncoderDialog(std::u16string& encoderName) override {
    calls.push_back("encoder " + std::string(encoderName.begin(), encoderName.end()));
    if (encoderOk) encoderName = encoder;
    return encoderOk;
  }
  bool MovieEncoderDialog(MovieContainer container, std::u16string& encoderName, Settings&) override {
    calls.push_back("movie encoder " + ToUtf8(ContainerName(container)) + " " + ToUtf8(encoderName));
    if (encoderOk) encoderName = movieEncoder;
    return encoderOk;
  }
  std::u16string movieEncoder = u"VP9";
  bool exportOk = true;
  int exportType = 0;
  bool speedOk = true;
  int timePage = 7;
  bool encoderOk = true;
  std::u16string encoder = u"mpeg4";
  std::vector<std::string> calls;
};

// An export that lasts a given number of frames and logs what the application asks of it.
class ScriptedExport : public ExportSession {
 public:
  ScriptedExport(std::vector<std::string>& log, int frames) : log_(log), frames_(frames) {}
  bool Step() override {
    log_.push_back("step");
    return --frames_ > 0;
  }
  void PrepareFrame(SceneFrameInputs&) override { log_.push_back("prepare"); }
  void FrameDrawn() override { log_.push_back("drawn"); }
  void End() override { log_.push_back("end"); }
  ExportPace Pace() const override { return pace; }
  ExportPace pace;

 private:
  std::vector<std::string>& log_;
  int frames_;
};

class ScriptedExportStarter : public ExportStarter {
 public:
  std::unique_ptr<ExportSession> StartExport(const std::u16string& moviePath) override {
    log.push_back("start " + std::string(moviePath.begin(), moviePath.end()));
    return std::make_unique<ScriptedExport>(log, frames);
  }
  int frames = 3;
  std::vector<std::string> log;
};
