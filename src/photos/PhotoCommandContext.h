#pragma once

#include <string>

#include "photos/PhotoSettings.h"
#include "platform/gui/FileDialogs.h"
#include "platform/gui/MessageSink.h"

// The services a photo command uses, owned by the application and filled for each command.
struct PhotoCommandContext {
  PhotoSettings& settings;
  FileDialogs& dialogs;
  MessageSink& messages;
  std::u16string selectHint;  // shown when no photo is selected: interface text 48
};
