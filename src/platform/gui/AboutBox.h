#pragma once

// The modal About dialog over the main window. User-interface thread only.
class AboutBox {
 public:
  virtual ~AboutBox() = default;
  // Returns when the user has closed it.
  virtual void ShowAboutDialog() = 0;
};
