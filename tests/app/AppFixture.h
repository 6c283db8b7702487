#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/PhotoBookApp.h"
#include "app/RecordingMenu.h"
#include "app/ScriptedGui.h"
#include "platform/gfx/NullDevice.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

// A photo book application on the null device with scripted dialogs, its settings file in a
// temporary configuration folder and its photos written as small TGA files.
class AppFixture : public testing::Test {
 protected:
  AppFixture();

  // Start-up as the framework runs it: init, menus, the device (created, then reset), the
  // initial folder (startPath when given, as from the command line).
  void Start(const std::u16string& startPath = {});
  // One frame of the main loop, step milliseconds after the previous one; first every photo
  // asked for so far is decoded.
  void Frame(uint32_t step = 50);
  // Frames until nothing moves and every photo of the texture window is loaded.
  int RunToRest();
  // count photos "p00.tga" ... in a fresh folder; returns the first one's path.
  std::u16string WritePhotos(int count);
  void OpenPhotos(int count);

  bool Message(const WindowMessage& message) { return app->OnMessage(message); }
  bool Key(int virtualKey) { return Message({WindowMessage::Kind::KeyDown, 0, virtualKey, 0, 0}); }
  bool Command(int command) { return Message({WindowMessage::Kind::Command, command, 0, 0, 0}); }
  bool LeftClick(int x, int y) { return Message({WindowMessage::Kind::LeftButtonDown, 0, 0, x, y}); }
  bool RightClick(int x, int y) { return Message({WindowMessage::Kind::RightButtonDown, 0, 0, x, y}); }

  // The number of slots of the texture window holding a texture.
  int LoadedSlots();
  Settings& settings() { return app->settings(); }
  OpenSpread& spread() { return app->spread(); }

  TempFolder config;
  TempFolder program;
  TempFolder photoFolder;
  ScopedEnv configHome{"XDG_CONFIG_HOME", config.path()};
  FakeFramework framework;
  RecordingMenu menu;
  ScriptedMessageBoxes messages;
  ScriptedFileDialogs dialogs;
  ScriptedPopupMenu popup;
  ScriptedColourDialog colours;
  CountingAboutBox about;
  RecordingWebOpener web;
  ScriptedSettingsDialogs settingsDialogs;
  ScriptedExportStarter exporter;
  uint32_t now = 100000;
  NullDevice device;
  std::unique_ptr<PhotoBookApp> app;

 private:
  AppServices Services();
  int photoFolders_ = 0;
};
