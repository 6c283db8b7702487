#pragma once

// What opening a folder does to the rest of the application, which owns the book and the menu.
// User-interface thread only.
class FolderOpenEffects {
 public:
  virtual ~FolderOpenEffects() = default;
  // Rewrites the menu, so the recent-folder items show the new order at once.
  virtual void UpdateMenus() = 0;
  // After a scan that found photos: first spread, all photo textures emptied, transparent page
  // turned to the left, camera on the front view at once.
  virtual void GoToFirstPage() = 0;
  // After a scan that found none (or could not list the folder): the book back on its only
  // spread with all photo textures emptied, so nothing of the previous folder stays in view.
  virtual void ShowEmptyBook() = 0;
};
