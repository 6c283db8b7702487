#pragma once

#include <cstdint>
#include <string>

#include "app/AppServices.h"
#include "app/ScriptedGui.h"
#include "cli/HeadlessFramework.h"
#include "cli/HeadlessGui.h"
#include "support/RecordingLibraryMessages.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

// What the application needs around it to run on the headless framework in a window of
// width x height: a settings home, photo and movie folders of its own, scripted dialogs, and a
// clock the test moves.
struct HeadlessAppServices {
  HeadlessAppServices(int width, int height)
      : framework{{width, height}},
        services{framework,
                 gui,
                 messages,
                 gui,
                 gui,
                 gui,
                 gui,
                 gui,
                 gui,
                 nullptr,
                 SettingsEnvironment{root.path(), 1920, 1080, movies.path()},
                 [this] { return now; },
                 [width, height] {
                   return ClientSizeState{static_cast<uint32_t>(width), static_cast<uint32_t>(height), false, 0, 0};
                 },
                 u"",
                 u""} {}

  TempFolder config;
  ScopedEnv configHome{"XDG_CONFIG_HOME", config.path()};
  TempFolder root;
  std::u16string photos = root / u"photos";
  TempFolder movies;
  HeadlessFramework framework;
  HeadlessGui gui;
  ScriptedMessageBoxes messages;
  RecordingLibraryMessages library;
  uint32_t now = 500000;
  AppServices services;
};
