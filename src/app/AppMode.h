#pragma once

enum class AppMode {
  Browsing = 0,
  Exporting = 1,
  Playing = 2,  // Play Tour runs the export's tour live in the window
};
