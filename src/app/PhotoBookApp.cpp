#include "app/PhotoBookApp.h"

#include "app/AppPhotoSettings.h"
#include "app/BookTextures.h"
#include "app/ContextMenuItems.h"
#include "app/ExportSession.h"
#include "app/MenuCommands.h"
#include "app/TourPlayer.h"
#include "app/UpdateMenus.h"
#include "app/ViewerInput.h"
#include "app/WindowTitle.h"
#include "book/BookScene.h"
#include "book/CameraAnimator.h"
#include "book/LightPreset.h"
#include "book/PickRay.h"
#include "book/SceneRenderer.h"
#include "export/TourPicture.h"
#include "framework/FrameworkControl.h"
#include "photos/FolderOpener.h"
#include "photos/PathToOpen.h"
#include "platform/gui/PopupMenu.h"
#include "platform/sys/FrameGate.h"
#include "resources/CommandId.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"

namespace {

constexpr char16_t kProductTitle[] = u"Pagewing";
constexpr int kSelectHintText = 48;
constexpr int kCannotOpenPathText = 109;

}  // namespace

PhotoBookApp::PhotoBookApp(const AppServices& services) : services_(services), deviceRules_(services.clientSizes) {}

PhotoBookApp::~PhotoBookApp() = default;

bool PhotoBookApp::Init() {
  photos_ = std::make_unique<PhotoList>();
  settings_ = std::make_unique<Settings>(services_.environment);
  if (services_.readOnlySettingsFile.empty())
    settings_->Load();
  else
    settings_->LoadFile(services_.readOnlySettingsFile);
  photoSettings_ = std::make_unique<AppPhotoSettings>(*settings_);
  camera_ = std::make_unique<CameraAnimator>(*settings_);
  locale_ = std::make_unique<FLocale>();
  locale_->Load(settings_->Locale);
  lightPosition_ = kInitialLight;
  InitScene();
  framesRendered_ = 0;
  effectPath_ = settings_->EffectPath;
  commands_ = std::make_unique<MenuCommands>(*this);
  input_ = std::make_unique<ViewerInput>(*this);
  return true;
}

void PhotoBookApp::InitScene() {
  scene_ = std::make_unique<BookScene>();
  // The quality is read at each load; after Shutdown nothing loads, but stay safe.
  textures_ = std::make_unique<BookTextures>([this] { return settings_ ? settings_->Quality : 1; },
                                             [this] { return !settings_ || settings_->UseCameraOrientation; });
  textures_->SetSurfacePath(SurfaceTexture::Background, settings_->BGTexturePath);
  textures_->SetSurfacePath(SurfaceTexture::Cover, settings_->CoverTexturePath);
  textures_->SetSurfacePath(SurfaceTexture::Paper, settings_->PaperTexturePath);
  textures_->SetSurfacePath(SurfaceTexture::TransparentPaper, settings_->TPaperTexturePath);
  renderer_ = std::make_unique<SceneRenderer>(context_, *scene_, *settings_, *camera_);
}

ScreenRect PhotoBookApp::InitialWindowRect(const ScreenRect& virtualScreen) const {
  return settings_->ValidateWindowRect(virtualScreen);
}

void PhotoBookApp::OpenInitialFolder(const std::u16string& startPath) {
  if (startPath.empty() || !OpenPath(startPath)) OpenFolder(settings_->GetRecentPath(0));
}

FrameworkStatus PhotoBookApp::OnDeviceCreated(GraphicsDevice& device, const PixelSize&) {
  return CreateDeviceResources(device);
}

FrameworkStatus PhotoBookApp::OnDeviceReset(GraphicsDevice& device, const PixelSize&) {
  return CreateDeviceResources(device);
}

void PhotoBookApp::OnDeviceLost() { ReleaseDeviceResources(); }

void PhotoBookApp::OnDeviceDestroyed() {
  ReleaseDeviceResources();
  SetDevice(nullptr);
}

// The framework calls this twice on the first creation, so it releases before it creates.
FrameworkStatus PhotoBookApp::CreateDeviceResources(GraphicsDevice& device) {
  ReleaseDeviceResources();
  SetDevice(&device);
  if (!Rendering()) return FrameworkStatus::Ok;
  offscreen_.Restore(device);
  device.SetRenderStates(RenderStates{});
  scene_->Floor(device);
  textures_->ReloadSurfaces();
  effect_.Reload(device, effectPath_);
  return FrameworkStatus::Ok;
}

void PhotoBookApp::ReleaseDeviceResources() {
  // The export's offscreen target goes with the device, and the movie cannot go on without it.
  if (mode_ == AppMode::Exporting) EndExport();
  effect_.Release();
  if (renderer_) renderer_->ReleaseDeviceResources();
  if (scene_) scene_->ReleaseDeviceResources();
  if (textures_) textures_->ReleaseAll();
  offscreen_.Release();
}

void PhotoBookApp::SetDevice(GraphicsDevice* device) {
  device_ = device;
  context_.SetDevice(device);
  if (textures_) textures_->SetDevice(device);
}

void PhotoBookApp::OnFrameMove(double, float) {
  if (!Rendering()) return;
  if (mode_ == AppMode::Exporting) {
    if (!export_->Step()) EndExport();
    return;
  }
  if (mode_ == AppMode::Playing) {
    if (!tour_->Step()) EndTour();
    return;
  }
  spread_.FrameMove(services_.clock(), settings_->TimePage, framesRendered_);
}

void PhotoBookApp::OnFrameRender(GraphicsDevice& device, double, float) {
  if (!Rendering() || &device != device_) return;
  RenderFrame();
  UpdateTitle();
  ++framesRendered_;
}

void PhotoBookApp::RenderFrame() {
  SceneFrameInputs inputs = FrameInputs();
  if (mode_ == AppMode::Exporting) export_->PrepareFrame(inputs);
  if (mode_ == AppMode::Playing) tour_->PrepareFrame(inputs);
  const SceneTextures textures = textures_->Gather(*photos_);
  SceneTextures aheadTextures;
  if (mode_ == AppMode::Browsing) inputs.ahead = ExpectedFrame(textures, aheadTextures);
  // While the book moves on screen, decoding waits for each frame to be drawn through: a frame
  // shared with a decoder's core comes late and the motion stutters.
  std::optional<FrameGate::Closed> decodingHeld;
  if (mode_ != AppMode::Exporting && BookMoves(inputs)) decodingHeld.emplace(FrameGate::Shared());
  renderer_->RenderFrame(inputs, textures);
  if (decodingHeld) device_->Finish();
  frameMatrices_ = {context_.world(), context_.view(), context_.projection()};
  if (mode_ == AppMode::Exporting) export_->FrameDrawn();
}

bool PhotoBookApp::BookMoves(const SceneFrameInputs& inputs) const {
  return inputs.turnDirection != 0 || inputs.leafDirection != 0 || CameraMoving();
}

// What the frame expected to come shows while the camera stays where it is, for its still part
// to be prepared ahead; aheadTextures holds its textures.
std::optional<AheadFrame> PhotoBookApp::ExpectedFrame(const SceneTextures& textures,
                                                      SceneTextures& aheadTextures) const {
  const std::optional<OpenSpread::Expected> next =
      spread_.ExpectedNext(photoCount(), settings_->RenderTransparentPage);
  if (!next || CameraMoving()) return std::nullopt;
  aheadTextures = next->movesTextures ? ShiftedForward(textures) : textures;
  return AheadFrame{next->turnDirection, next->turnProgress, next->leafDirection, next->leafPosition, &aheadTextures};
}

SceneFrameInputs PhotoBookApp::FrameInputs() {
  SceneFrameInputs inputs;
  inputs.nowMilliseconds = services_.clock();
  inputs.turnDirection = spread_.turnDirection;
  inputs.turnProgress = spread_.turnProgress;
  inputs.leafDirection = spread_.leafDirection;
  inputs.leafPosition = spread_.leafPosition;
  inputs.lightPosition = lightPosition_;
  inputs.wireframe = wireframe_;
  const PixelSize client = services_.framework.ClientSize();
  inputs.clientWidth = client.width;
  inputs.clientHeight = client.height;
  inputs.aspectFactor = aspectFactor_;
  if (effect_.file().effect() != nullptr) inputs.effect = &effect_;
  return inputs;
}

void PhotoBookApp::UpdateTitle() {
  const bool loading = textures_->window().PhotosLoading(photoCount(), spread_.CurrentPage);
  const ExportPace pace = mode_ == AppMode::Exporting && export_ ? export_->Pace() : ExportPace{};
  services_.framework.SetWindowTitle(WindowTitle(*locale_, spread_.CurrentPage, photoCount(), mode_, loading, pace));
}

bool PhotoBookApp::OnMessage(const WindowMessage& message) {
  using Kind = WindowMessage::Kind;
  if (message.kind == Kind::CloseRequest) {
    Shutdown();
    return false;
  }
  if (!Rendering()) return false;
  if (mode_ == AppMode::Playing) return TourMessage(message);
  if (message.kind == Kind::KeyDown) return input_->KeyDown(message.virtualKey);
  if (mode_ != AppMode::Browsing) return false;
  switch (message.kind) {
    case Kind::LeftButtonDown:
      input_->LeftClick(message.x, message.y);
      return true;
    case Kind::RightButtonDown:
      input_->RightClick(message.x, message.y);
      return true;
    case Kind::DropPath:
      OpenPath(message.path);
      return true;
    default:
      return RunCommand(message.command);
  }
}

// Keys and clicks end the tour and do nothing else; a command ends it and then runs, except Play
// Tour, which only ends it. Alt+Enter keeps it playing, in full screen or out of it.
bool PhotoBookApp::TourMessage(const WindowMessage& message) {
  using Kind = WindowMessage::Kind;
  const bool command = message.kind == Kind::Command;
  if (command && message.command == CommandId::ToggleFullScreen) {
    ToggleFullScreen();
    return true;
  }
  EndTour();
  if (command) return message.command == CommandId::PlayTour || RunCommand(message.command);
  if (message.kind == Kind::DropPath) OpenPath(message.path);
  return true;
}

// A pop-up menu runs the window's messages while it is open, so the window may have been closed
// by the time its choice arrives; the settings are written by then.
bool PhotoBookApp::RunCommand(int command) {
  return Rendering() && mode_ == AppMode::Browsing && commands_->Run(command);
}

void PhotoBookApp::Shutdown() {
  if (shutDown_ || !settings_) return;
  if (mode_ == AppMode::Exporting) EndExport();
  EndTour();
  shutDown_ = true;
  renderer_.reset();
  scene_.reset();
  WriteSettings();
}

void PhotoBookApp::WriteSettings() {
  if (!services_.readOnlySettingsFile.empty()) return;
  const ScreenRect rect = services_.framework.OuterRect();
  settings_->Window = {rect.left, rect.top, rect.right, rect.bottom};
  std::u16string failure;
  // A settings file that cannot be written would silently lose every change of this run.
  if (settings_->Save(failure) == Settings::SaveOutcome::Failed) ShowMessage(failure, MessageSink::Icon::Error);
}

void PhotoBookApp::NextPage() { spread_.NextPage(photoCount(), settings_->RenderTransparentPage); }

void PhotoBookApp::PreviousPage() { spread_.PreviousPage(settings_->RenderTransparentPage); }

void PhotoBookApp::SelectView(int view, bool animated) { camera_->SelectView(view, !animated, services_.clock()); }

void PhotoBookApp::SetLight(int preset) { lightPosition_ = LightPresetPosition(static_cast<LightPreset>(preset)); }

void PhotoBookApp::UpdateMenus() {
  // The framework takes the menu away in full screen.
  ::UpdateMenus(services_.framework.IsWindowed() ? &services_.menu : nullptr, *locale_, *settings_);
}

bool PhotoBookApp::OpenFolder(const std::u16string& path) {
  FolderOpener opener(*photoSettings_, services_.fileDialogs, *this);
  return opener.OpenFolder(path, *photos_, spread_.selectedPhoto);
}

bool PhotoBookApp::OpenPath(const std::u16string& path) {
  const std::u16string openable = PathToOpen(path);
  if (openable.empty()) {
    ShowMessage(locale_->GetText(kCannotOpenPathText) + u"\n" + path, MessageSink::Icon::Error);
    return false;
  }
  OpenFolder(openable);
  return true;
}

int PhotoBookApp::ShowMessage(const std::u16string& text, MessageSink::Icon icon) {
  if (!services_.framework.IsWindowed()) return 0;
  services_.messageBoxes.ShowMessage(text, icon);
  return 1;
}

std::u16string PhotoBookApp::SelectHintText() const { return locale_->GetText(kSelectHintText); }

void PhotoBookApp::ShowSelectHint() { ShowMessage(SelectHintText(), MessageSink::Icon::Information); }

void PhotoBookApp::ShowTechInfo() {
  ShowMessage(std::u16string(kProductTitle) + u" Tech Info\n\n" + textures_->SlotReport(),
              MessageSink::Icon::Information);
}

void PhotoBookApp::ResizeClientArea(int width, int height) {
  if (width <= 0 || height <= 0) return;
  if (services_.framework.ClientSize() == PixelSize{width, height}) return;
  services_.framework.ResizeClientArea(width, height);
}

void PhotoBookApp::RequestClose() {
  // Shutdown runs here, so the settings are written even if the host closes without asking.
  Shutdown();
  services_.framework.Shutdown(0);
}

void PhotoBookApp::ToggleFullScreen() {
  services_.framework.Pause(true, true);
  services_.framework.ToggleFullScreen();
  services_.framework.Pause(false, false);
}

PickResult PhotoBookApp::PickAt(int x, int y) {
  const PixelSize client = services_.framework.ClientSize();
  const PickRay ray =
      PickRay::Under(static_cast<float>(x), static_cast<float>(y), client.width, client.height, frameMatrices_);
  return picker_.PickAt(*scene_, ray, spread_.CurrentPage, spread_.turnDirection, settings_->RightToLeftBook);
}

void PhotoBookApp::ShowContextMenu(int x, int y, ContextMenuKind kind) {
  const int selected = spread_.selectedPhoto;
  if (kind == ContextMenuKind::Photo && !photos_->Contains(selected)) return;
  if (!services_.framework.IsWindowed()) return;
  const std::u16string path = kind == ContextMenuKind::Photo ? (*photos_)[selected].path : u"";
  const int command = services_.popupMenu.Track(ContextMenuItems(kind, *locale_, path), x, y);
  if (command != 0) RunCommand(command);
}

void PhotoBookApp::SetSurfaceTexture(SurfaceTexture surface, const std::u16string& path) {
  textures_->SetSurfacePath(surface, path);
}

bool PhotoBookApp::ChangeEffect(const std::u16string& path) {
  bool loaded = true;
  if (device_ != nullptr)
    loaded = effect_.Choose(*device_, path, effectPath_, messageSink_);
  else
    effectPath_ = path;  // loaded when the device comes
  settings_->EffectPath = effectPath_;
  return loaded;
}

void PhotoBookApp::DeleteEffect() {
  effect_.Release();
  effectPath_.clear();
}

void PhotoBookApp::BeginExport(std::unique_ptr<ExportSession> session) {
  if (!session) return;
  export_ = std::move(session);
  mode_ = AppMode::Exporting;
}

void PhotoBookApp::EndExport() {
  if (!export_) return;
  std::unique_ptr<ExportSession> session = std::move(export_);
  mode_ = AppMode::Browsing;
  aspectFactor_ = 1.0f;
  session->End();
}

void PhotoBookApp::LoadOpenSpread() {
  textures_->window().FillSlots(photos_->Entries(), photoCount(), spread_.CurrentPage, TextureWindow::FillMode::Full);
}

void PhotoBookApp::PlayTour() {
  if (mode_ != AppMode::Browsing || !Rendering()) return;
  auto tour = std::make_unique<TourPlayer>(*this);
  if (!tour->Start()) return;
  tour_ = std::move(tour);
  mode_ = AppMode::Playing;
}

void PhotoBookApp::EndTour() {
  if (!tour_) return;
  tour_->Stop();
  tour_.reset();
  mode_ = AppMode::Browsing;
}

void PhotoBookApp::ShowTourPicture(const TourPicture& picture) {
  spread_.turnDirection = picture.turnDirection;
  spread_.turnProgress = picture.turnProgress;
  spread_.leafDirection = picture.leafDirection;
  spread_.leafPosition = picture.leafPosition;
  camera_->InterpolateViews(picture.camera.fromView, picture.camera.toView, picture.camera.fraction);
}

void PhotoBookApp::ShiftTexturesForward() { textures_->window().ShiftForward(); }

void PhotoBookApp::ShiftTexturesBackward() { textures_->window().ShiftBackward(); }

void PhotoBookApp::EmptyTextures() { textures_->window().EmptyAll(); }

void PhotoBookApp::LoadNextTexture() {
  textures_->window().FillSlots(photos_->Entries(), photoCount(), spread_.CurrentPage,
                                TextureWindow::FillMode::Incremental);
}

bool PhotoBookApp::CameraMoving() const { return camera_->IsMoving(); }

int PhotoBookApp::CurrentView() const { return camera_->currentView(); }

bool PhotoBookApp::RightToLeft() const { return settings_ && settings_->RightToLeftBook; }
