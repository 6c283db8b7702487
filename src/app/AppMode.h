#pragma once

enum class AppMode {
  Browsing = 0,
  Exporting = 1,
};
