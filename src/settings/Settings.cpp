#include "settings/Settings.h"

#include <algorithm>
#include <initializer_list>

#include "photos/FilePaths.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/UserFolders.h"
#include "settings/SettingsField.h"
#include "settings/TextFile.h"

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

const std::u16string kRecentKey = u"RecentPath";
constexpr char16_t kSettingsFolder[] = u"/Starwick Software/Pagewing";
constexpr char16_t kSettingsName[] = u"/Pagewing.txt";

// The key RecentPath0 ... RecentPath9 names entry 0..9; any other key gives -1.
int RecentPathIndex(const std::u16string& key) {
  if (key.size() != kRecentKey.size() + 1 || key.compare(0, kRecentKey.size(), kRecentKey) != 0) return -1;
  const char16_t digit = key.back();
  return digit >= u'0' && digit <= u'9' ? digit - u'0' : -1;
}

void ReadField(Settings& settings, const SettingsField::Member& member, const TextFile& file) {
  std::visit(Overloaded{
                 [&](ScreenRect Settings::*m) {
                   settings.*m = {file.TokenInteger(1), file.TokenInteger(2), file.TokenInteger(3), file.TokenInteger(4)};
                 },
                 [&](Colour Settings::*m) { settings.*m = {file.TokenFloat(1), file.TokenFloat(2), file.TokenFloat(3)}; },
                 [&](std::u16string Settings::*m) { settings.*m = file.Token(1); },
                 [&](bool Settings::*m) { settings.*m = file.TokenBoolean(1); },
                 [&](int32_t Settings::*m) { settings.*m = file.TokenInteger(1); },
                 [&](float Settings::*m) { settings.*m = file.TokenFloat(1); },
             },
             member);
}

void WriteField(const Settings& settings, const SettingsField& field, TextFile& file) {
  std::visit(Overloaded{
                 [&](ScreenRect Settings::*m) {
                   const ScreenRect& r = settings.*m;
                   file.WriteToken(field.key);
                   for (int32_t value : {r.left, r.top, r.right, r.bottom}) file.WriteInteger(value);
                   file.EndLine();
                 },
                 [&](Colour Settings::*m) {
                   const Colour& c = settings.*m;
                   file.WriteColourLine(field.key, c.r, c.g, c.b);
                 },
                 [&](std::u16string Settings::*m) { file.WriteStringLine(field.key, settings.*m); },
                 [&](bool Settings::*m) { file.WriteBooleanLine(field.key, settings.*m); },
                 [&](int32_t Settings::*m) { file.WriteIntegerLine(field.key, settings.*m); },
                 [&](float Settings::*m) { file.WriteFloatLine(field.key, settings.*m); },
             },
             field.member);
}

// The lower bound wins over an upper bound below it, as the window's minimum size must.
int32_t Clamped(int64_t value, int32_t low, int32_t high) {
  if (value < low) return low;
  return value > high ? high : static_cast<int32_t>(value);
}

// A hand-edited rectangle may span more than a 32-bit side can hold.
int64_t Span(int32_t from, int32_t to) { return int64_t{to} - from; }

// Empty entries name no folder: a photo at the root (folder "") matching an empty entry 0
// would otherwise go unrecorded.
int IndexOfRecentFolder(const std::array<std::u16string, Settings::kRecentPathCount>& recent,
                        const std::u16string& folder) {
  for (int i = 0; i < Settings::kRecentPathCount; ++i)
    if (!recent[i].empty() && FolderOf(recent[i]) == folder) return i;
  return -1;
}

}  // namespace

Settings::Settings(SettingsEnvironment environment) : environment_(std::move(environment)) {
  ResetToDefaults();
  RecentPath[0] = environment_.programFolder + u"/media/photos/zorp1.jpg";
}

void Settings::ResetToDefaults() {
  const int32_t left = (environment_.screenWidth - 800) / 2, top = (environment_.screenHeight - 600) / 2;
  Window = {left, top, left + 800, top + 600};
  BGColour = {0.4f, 0.4f, 0.4f};
  BGTexturePath = environment_.programFolder + u"/media/textures/Background.jpg";
  CoverColour = {0.6f, 0.6f, 0.6f};
  CoverTexturePath.clear();
  PaperTexturePath.clear();
  TPaperTexturePath = environment_.programFolder + u"/media/textures/TransparentPaper.jpg";
  LightenPhotos = false;
  RenderShadows = false;
  RenderTransparentPage = true;
  PaperColour = {0.8f, 0.8f, 0.8f};
  ShinyPaper = false;
  ShinyPhotos = false;
  Quality = 1;
  Locale = environment_.programFolder + u"/media/Locales/English.txt";
  EffectPath.clear();
  ExportWidth = 640;
  ExportHeight = 480;
  ExportPAR = 1;
  ExportFPS = 25;
  ExportMoviePath = environment_.moviesFolder;
  ExportType = 0;
  EncoderName.clear();
  TimePage = TimeZoom = TimeView = 2;
  Sort = 0;
  AntialiasingQuality = 2;
  CameraPresets = DefaultCameraPresets();
  UseCameraOrientation = true;
  MovieEncoder.clear();
  MovieQuality.clear();
  MovieSpeed.clear();
  Soundtrack.clear();
  LoopSoundtrack = false;
  RepeatTour = false;
  RightToLeftBook = false;
}

void Settings::Load() { LoadFile(SettingsFilePath()); }

bool Settings::LoadFile(const std::u16string& path) {
  if (!FileExists(path)) return false;
  TextFile file;
  if (!file.Open(path, false, true)) return false;
  loaded_ = true;
  soundtrackRead_ = false;
  while (file.ReadLine()) ApplyLine(file);
  file.Close();
  return true;
}

std::u16string Settings::UserSettingsFile() { return ConfigHome() + kSettingsFolder + kSettingsName; }

void Settings::ApplyLine(const TextFile& file) {
  const std::u16string key = file.Token(0);
  for (const auto fields : {SettingsField::All(), SettingsField::Trailing()}) {
    for (const SettingsField& field : fields) {
      if (key != field.key) continue;
      ReadField(*this, field.member, file);
      return;
    }
  }
  if (const int index = RecentPathIndex(key); index >= 0) {
    RecentPath[index] = file.Token(1);
  } else if (key == u"Rotation") {
    SetPhotoRotation(file.Token(1), file.TokenInteger(2));
  } else if (key == u"CameraPreset") {
    const int32_t n = file.TokenInteger(1);
    if (n < 0 || n >= kCameraPresetCount) return;
    std::array<float, CameraPreset::kValueCount> values{};
    for (int i = 0; i < CameraPreset::kValueCount; ++i) values[i] = file.TokenFloat(2 + i);
    CameraPresets[n] = CameraPreset::FromValues(values);
  } else if (key == u"MovieEncoder") {
    MovieEncoder = file.Token(1);
  } else if (key == u"MovieQuality" && !file.Token(1).empty()) {
    MovieQuality[file.Token(1)] = file.TokenInteger(2);
  } else if (key == u"MovieSpeed" && !file.Token(1).empty()) {
    MovieSpeed[file.Token(1)] = file.Token(2);
  } else if (key == u"SoundtrackFile" && !file.Token(1).empty()) {
    // The file's list replaces the one before, entry by entry in its order.
    if (!soundtrackRead_) Soundtrack.clear();
    soundtrackRead_ = true;
    Soundtrack.push_back(file.Token(1));
  } else if (key == u"SoundtrackLoop") {
    LoopSoundtrack = file.TokenBoolean(1);
  } else if (key == u"RepeatTour") {
    RepeatTour = file.TokenBoolean(1);
  } else if (key == u"RightToLeftBook") {
    RightToLeftBook = file.TokenBoolean(1);
  }
}

void Settings::WriteSoundtrackLines(TextFile& out) const {
  for (const std::u16string& file : Soundtrack) out.WriteStringLine(u"SoundtrackFile", file);
  if (LoopSoundtrack) out.WriteBooleanLine(u"SoundtrackLoop", true);
}

// Only a book bound on the right is written, so that a file of defaults stays as it has been.
void Settings::WriteBindingLine(TextFile& out) const {
  if (RightToLeftBook) out.WriteBooleanLine(u"RightToLeftBook", true);
}

void Settings::WriteMovieEncoderLines(TextFile& out) const {
  // Only what the user chose, so that a file of defaults stays as it has always been.
  if (!MovieEncoder.empty()) out.WriteStringLine(u"MovieEncoder", MovieEncoder);
  for (const auto& [name, quality] : MovieQuality) {
    out.WriteToken(u"MovieQuality");
    out.WriteToken(name);
    out.WriteInteger(quality);
    out.EndLine();
  }
  for (const auto& [name, speed] : MovieSpeed) {
    out.WriteToken(u"MovieSpeed");
    out.WriteToken(name);
    out.WriteToken(speed);
    out.EndLine();
  }
}

Settings::SaveOutcome Settings::Save(std::u16string& failureText) const {
  const std::u16string path = SettingsFilePath();
  if (FileExists(path) && !loaded_) return SaveOutcome::KeptUnreadFile;
  // The new file is written completely beside the old one before it takes the old one's place.
  // A linked settings file is replaced where the link points, so the link stays a link; a
  // read-only one, or one this user may not write, is left alone, as opening it for writing
  // would have been refused.
  const std::u16string target = ResolveLinks(path);
  const std::u16string partial = target + u".new";
  const bool protectedFile = FileExists(target) && (IsReadOnly(target) || !IsWritable(target));
  TextFile out;
  if (protectedFile || !out.Open(partial, true, false)) {
    failureText = u"Could not open:\n\n\"" + path + u"\"";
    return SaveOutcome::Failed;
  }
  for (const SettingsField& field : SettingsField::All()) WriteField(*this, field, out);
  for (int i = 0; i < kRecentPathCount; ++i) out.WriteStringLine(kRecentKey + std::u16string(1, u'0' + i), RecentPath[i]);
  for (int i = 0; i < kRotationSlotCount; ++i) {
    if (photoRotations[i] == 0) continue;
    out.WriteToken(u"Rotation");
    out.WriteToken(photoNames[i]);
    out.WriteInteger(photoRotations[i]);
    out.EndLine();
  }
  for (int n = 0; n < kCameraPresetCount; ++n) {
    out.WriteToken(u"CameraPreset");
    out.WriteInteger(n);
    for (float value : CameraPresets[n].Values()) out.WriteFloat(value);
    out.EndLine();
  }
  for (const SettingsField& field : SettingsField::Trailing()) WriteField(*this, field, out);
  WriteMovieEncoderLines(out);
  WriteSoundtrackLines(out);
  if (RepeatTour) out.WriteBooleanLine(u"RepeatTour", true);
  WriteBindingLine(out);
  if (!out.Close() || !ReplaceFile(partial, target)) {
    DeleteFile(partial, true);
    failureText = u"Could not write:\n\n\"" + path + u"\"";
    return SaveOutcome::Failed;
  }
  return SaveOutcome::Written;
}

std::u16string Settings::GetRecentPath(int index) const {
  return index >= 0 && index < kRecentPathCount ? RecentPath[index] : u" ";
}

void Settings::AddRecentPath(const std::u16string& path) {
  if (path.empty()) return;
  const int found = IndexOfRecentFolder(RecentPath, FolderOf(path));
  if (found == 0) return;
  const int freed = found > 0 ? found : kRecentPathCount - 1;
  std::move_backward(RecentPath.begin(), RecentPath.begin() + freed, RecentPath.begin() + freed + 1);
  RecentPath[0] = path;
}

PhotoRotation Settings::GetPhotoRotation(const std::u16string& path) const {
  const auto found = std::find(photoNames.begin(), photoNames.end(), path);
  return path.empty() || found == photoNames.end() ? 0 : photoRotations[found - photoNames.begin()];
}

bool Settings::SetPhotoRotation(const std::u16string& path, PhotoRotation rotation) {
  if (path.empty()) return false;  // an empty name marks a free slot
  auto slot = std::find(photoNames.begin(), photoNames.end(), path);
  if (slot == photoNames.end()) slot = std::find(photoNames.begin(), photoNames.end(), std::u16string());
  if (slot == photoNames.end()) return false;
  *slot = path;
  photoRotations[slot - photoNames.begin()] = rotation;
  return true;
}

ScreenRect Settings::ValidateWindowRect(const ScreenRect& v) const {
  const int32_t width = Clamped(Span(Window.left, Window.right), 320, v.Width());
  const int32_t height = Clamped(Span(Window.top, Window.bottom), 240, v.Height());
  const int32_t left = Window.left >= v.left && Window.left < v.right ? Window.left : v.left;
  const int32_t top = Window.top >= v.top && Window.top < v.bottom ? Window.top : v.top;
  return {left, top, left + width, top + height};
}

std::u16string Settings::SettingsFilePath() const {
  const std::u16string path = AppDataFolder(u"Starwick Software", u"Pagewing") + kSettingsName;
  for (const char16_t* legacyName : {u"/Pagewing.ini", u"/Pagewing.txt"}) {
    const std::u16string legacy = environment_.programFolder + legacyName;
    if (!FileExists(legacy)) continue;
    MoveFile(legacy, path);
    break;
  }
  return path;
}

