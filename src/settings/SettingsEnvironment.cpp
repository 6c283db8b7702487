#include "settings/SettingsEnvironment.h"

#include "photos/FilePaths.h"

SettingsEnvironment SettingsEnvironment::FromSystem(int32_t screenWidth, int32_t screenHeight) {
  return {ExecutableFolder(), screenWidth, screenHeight, DocumentsFolder(u"Pagewing")};
}
