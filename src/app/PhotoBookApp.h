#pragma once

#include <glm/vec3.hpp>
#include <memory>
#include <optional>
#include <string>

#include "app/AppMessageSink.h"
#include "app/AppMode.h"
#include "app/AppServices.h"
#include "app/ContextMenuKind.h"
#include "app/OpenSpread.h"
#include "app/PickResult.h"
#include "app/ScenePicker.h"
#include "app/SpreadHooks.h"
#include "app/SurfaceTexture.h"
#include "book/EffectManager.h"
#include "book/RenderContext.h"
#include "book/SceneFrameInputs.h"
#include "book/SceneTextures.h"
#include "book/ViewMatrices.h"
#include "export/OffscreenTarget.h"
#include "framework/DeviceCallbacks.h"
#include "framework/FrameworkCallbacks.h"
#include "framework/PhotoBookDeviceRules.h"
#include "photos/FolderOpenEffects.h"
#include "photos/PhotoList.h"
#include "platform/gui/MessageSink.h"
#include "platform/sys/ScreenRect.h"

class AppPhotoSettings;
class BookScene;
class BookTextures;
class CameraAnimator;
class ExportSession;
class ExportStarter;
class FLocale;
class MenuCommands;
class ViewerInput;
class SceneRenderer;
class Settings;
class TourPlayer;
struct TourPicture;

// The application object: owns the settings, the interface texts, the photo list, the book's
// scene, camera, textures and effect, and reacts to the framework's callbacks. Start-up runs
// Init, then (after the framework made the window at InitialWindowRect) UpdateMenus, then the
// device callbacks, then OpenInitialFolder. After Shutdown no rendering object is used again.
// Everything runs on the user-interface thread.
class PhotoBookApp : public FrameworkCallbacks, private SpreadHooks, private FolderOpenEffects {
 public:
  static constexpr glm::vec3 kInitialLight{-200, 200, 50};

  explicit PhotoBookApp(const AppServices& services);
  ~PhotoBookApp() override;
  PhotoBookApp(const PhotoBookApp&) = delete;
  PhotoBookApp& operator=(const PhotoBookApp&) = delete;

  // Settings (defaults, then the file), camera on view 0, interface texts (built-in, then the
  // locale file), light, scene, texture paths and the open spread's start values.
  bool Init();
  // The stored window rectangle checked against the virtual screen, for creating the window.
  ScreenRect InitialWindowRect(const ScreenRect& virtualScreen) const;
  // Opens the folder or photo the user started the program with, else (none given, or it
  // cannot be opened, which is reported) the folder of recent path 0.
  void OpenInitialFolder(const std::u16string& startPath = {});
  // The device rules of the photo book, for the framework; they refer to this object.
  DeviceCallbacks DeviceRules() const { return deviceRules_.Callbacks(); }

  FrameworkStatus OnDeviceCreated(GraphicsDevice& device, const PixelSize& size) override;
  FrameworkStatus OnDeviceReset(GraphicsDevice& device, const PixelSize& size) override;
  void OnDeviceLost() override;
  void OnDeviceDestroyed() override;
  void OnFrameMove(double time, float elapsedTime) override;
  void OnFrameRender(GraphicsDevice& device, double time, float elapsedTime) override;
  bool OnMessage(const WindowMessage& message) override;

  // Ends a running export, stores the window rectangle and writes the settings. Runs once;
  // later calls do nothing.
  void Shutdown();
  bool shutDown() const { return shutDown_; }

  // Operations of the menu commands, keys and clicks.
  void NextPage();
  void PreviousPage();
  void GoToFirstPage() override { spread_.GoToFirstPage(); }
  void GoToLastPage() { spread_.GoToLastPage(photoCount()); }
  void SelectView(int view, bool animated) override;
  void SetLight(int preset);
  void UpdateMenus() override;
  void UpdateTitle();
  bool OpenFolder(const std::u16string& path);
  // Opens a folder, or the folder of a photo, named outside the photo dialog (command line,
  // drop), as Select Folder would. A missing or unreadable path is reported with the path and
  // changes nothing; false then.
  bool OpenPath(const std::u16string& path);
  // A message box over the main window with an OK button (the window layer captions it "Pagewing");
  // shows nothing and gives 0 unless windowed, else 1 once the user closed it.
  int ShowMessage(const std::u16string& text, MessageSink::Icon icon);
  void ShowSelectHint();
  // The hint shown when a photo command finds no photo selected.
  std::u16string SelectHintText() const;
  void ShowTechInfo();
  void ResizeClientArea(int width, int height);
  // Closes the window, as the close box does.
  void RequestClose();
  void ToggleFullScreen();
  PickResult PickAt(int x, int y);
  void ShowContextMenu(int x, int y, ContextMenuKind kind);
  // A menu or pop-up command while browsing; false for numbers that are no command.
  bool RunCommand(int command);

  // Empties the surface texture and loads it from path (which the caller stored in the settings).
  void SetSurfaceTexture(SurfaceTexture surface, const std::u16string& path);
  // Loads the effect at path and keeps it in EffectPath. A broken file is reported and leaves
  // no effect and an empty path; then the result is false.
  bool ChangeEffect(const std::u16string& path);
  void DeleteEffect();
  // Takes over a started export: the mode becomes Exporting until the session ends.
  void BeginExport(std::unique_ptr<ExportSession> session);
  void EndExport();
  // Loads every texture of the open spread at once, as each movie frame needs them.
  void LoadOpenSpread();
  // Play Tour: while browsing, the export's tour plays live from the open spread; the mode is
  // Playing until it ends by itself, by any key, click or command (EndTour), or the window closes.
  void PlayTour();
  // Stops the tour where the book is.
  void EndTour();
  // Puts the leaf, the interleaf and the camera as a frame of the export's tour shows them.
  void ShowTourPicture(const TourPicture& picture);
  // The export driver, once the program has made it.
  void SetExportStarter(ExportStarter* starter) { services_.exportStarter = starter; }

  AppMode mode() const { return mode_; }
  int photoCount() const { return photos_ ? photos_->count() : 0; }
  int framesRendered() const { return framesRendered_; }
  const glm::vec3& lightPosition() const { return lightPosition_; }
  bool wireframe() const { return wireframe_; }
  void ToggleWireframe() { wireframe_ = !wireframe_; }
  float aspectFactor() const { return aspectFactor_; }

  // The parts; valid from Init to Shutdown.
  Settings& settings() { return *settings_; }
  const FLocale& locale() const { return *locale_; }
  // The interface texts once Init made them, else nullptr.
  const FLocale* texts() const { return locale_.get(); }
  FLocale& locale() { return *locale_; }
  PhotoList& photos() { return *photos_; }
  OpenSpread& spread() { return spread_; }
  CameraAnimator& camera() { return *camera_; }
  BookTextures& textures() { return *textures_; }
  BookScene& scene() { return *scene_; }
  const EffectManager& effect() const { return effect_; }
  OffscreenTarget& offscreen() { return offscreen_; }
  // The device while there is one, else nullptr.
  GraphicsDevice* device() const { return device_; }
  const std::u16string& effectPath() const { return effectPath_; }
  const AppServices& services() const { return services_; }
  MessageSink& messageSink() { return messageSink_; }
  // The matrices of the last frame drawn.
  const ViewMatrices& frameMatrices() const { return frameMatrices_; }

 private:
  // SpreadHooks over the texture window and the camera.
  void ShiftTexturesForward() override;
  void ShiftTexturesBackward() override;
  void EmptyTextures() override;
  void LoadNextTexture() override;
  bool CameraMoving() const override;
  int CurrentView() const override;
  bool RightToLeft() const override;
  // FolderOpenEffects: an empty folder shows the one empty spread.
  void ShowEmptyBook() override { spread_.GoToFirstPage(); }

  FrameworkStatus CreateDeviceResources(GraphicsDevice& device);
  void ReleaseDeviceResources();
  void SetDevice(GraphicsDevice* device);
  void InitScene();
  bool Rendering() const { return !shutDown_ && scene_ != nullptr; }
  bool TourMessage(const WindowMessage& message);
  void RenderFrame();
  SceneFrameInputs FrameInputs();
  std::optional<AheadFrame> ExpectedFrame(const SceneTextures& textures, SceneTextures& aheadTextures) const;
  // Whether a leaf turns or the camera glides in the frame of inputs.
  bool BookMoves(const SceneFrameInputs& inputs) const;
  void WriteSettings();

  AppServices services_;
  PhotoBookDeviceRules deviceRules_;
  std::unique_ptr<Settings> settings_;
  std::unique_ptr<FLocale> locale_;
  std::unique_ptr<CameraAnimator> camera_;
  std::unique_ptr<PhotoList> photos_;
  std::unique_ptr<AppPhotoSettings> photoSettings_;
  std::unique_ptr<BookScene> scene_;
  std::unique_ptr<BookTextures> textures_;
  std::unique_ptr<SceneRenderer> renderer_;
  std::unique_ptr<MenuCommands> commands_;
  std::unique_ptr<ViewerInput> input_;
  OpenSpread spread_{*this};
  EffectManager effect_;
  AppMessageSink messageSink_{*this};
  std::u16string effectPath_;
  RenderContext context_;
  OffscreenTarget offscreen_;
  ScenePicker picker_;
  std::unique_ptr<ExportSession> export_;
  std::unique_ptr<TourPlayer> tour_;
  GraphicsDevice* device_ = nullptr;
  AppMode mode_ = AppMode::Browsing;
  glm::vec3 lightPosition_ = kInitialLight;
  bool wireframe_ = false;
  float aspectFactor_ = 1.0f;
  int framesRendered_ = 0;
  ViewMatrices frameMatrices_;
  bool shutDown_ = false;
};
