#pragma once

#include <cstdint>
#include <string>

#include "settings/PhotoRotation.h"

// One photo file of the open folder, in display order.
struct PhotoEntry {
  std::u16string path;      // folder + "/" + the file's name, in its real case
  PhotoRotation flags = 0;  // how the photo is shown; taken from the settings at scan time
  int32_t dateKey = 0;      // ordering key of the file's creation time
};
