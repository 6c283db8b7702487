#pragma once

// What the open spread asks of the rest of the book: the texture window around it and the
// camera. The application object implements it over its TextureWindow and CameraAnimator.
class SpreadHooks {
 public:
  virtual ~SpreadHooks() = default;
  // Texture references move with the spread; nothing is decoded.
  virtual void ShiftTexturesForward() = 0;
  virtual void ShiftTexturesBackward() = 0;
  virtual void EmptyTextures() = 0;
  // Loads at most one missing photo texture of the window.
  virtual void LoadNextTexture() = 0;
  virtual bool CameraMoving() const = 0;
  virtual int CurrentView() const = 0;
  virtual void SelectView(int view, bool animated) = 0;
  // The book is bound on the right: the camera's left is the spread's later page.
  virtual bool RightToLeft() const = 0;
};
