#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "settings/CameraPreset.h"
#include "settings/Colour.h"
#include "settings/PhotoRotation.h"
#include "platform/sys/ScreenRect.h"
#include "settings/SettingsEnvironment.h"

class TextFile;

// Everything the user can change and the program remembers between runs. Fields carry the
// names of their keys in the settings file. Created once at start-up, read and written
// directly by the whole program on the user-interface thread, saved when the window closes.
class Settings {
 public:
  static constexpr int kRecentPathCount = 10;
  static constexpr int kRotationSlotCount = 1000;

  enum class SaveOutcome {
    Written,
    KeptUnreadFile,  // a file that existed but could not be read at start is never overwritten
    Failed,
  };

  explicit Settings(SettingsEnvironment environment);

  // Every field from Window to AntialiasingQuality, the camera presets, UseCameraOrientation, the
  // movie encoder, the soundtrack, RepeatTour and RightToLeftBook back to its default; recent
  // paths, photo orientations and the loaded flag stay.
  void ResetToDefaults();

  // Reads the settings file over the current values; a missing or unreadable file changes nothing.
  void Load();
  // Reads the settings file at path over the current values, and nothing else: no folder is
  // made and no older file moved. False when the file is missing or cannot be read.
  bool LoadFile(const std::u16string& path);
  // Where the user's settings file is, without making its folders or moving an older file.
  static std::u16string UserSettingsFile();
  // Writes the whole file beside the old one and replaces the old one only once it is complete,
  // so a crash or a full disk never loses the settings. On Failed, failureText says why.
  SaveOutcome Save(std::u16string& failureText) const;

  // Index 0..9; any other index gives " ".
  std::u16string GetRecentPath(int index) const;
  // Puts path at the front of the recent paths. An entry of the same folder (paths compare
  // exactly) is taken out of the list, else the oldest drops out; when the folder is already at
  // the front, entry 0 keeps the path it had. An empty path changes nothing.
  void AddRecentPath(const std::u16string& path);

  // Orientation of the photo at path (exact comparison), 0 when none is stored.
  PhotoRotation GetPhotoRotation(const std::u16string& path) const;
  // False only when all 1000 slots hold other photos.
  bool SetPhotoRotation(const std::u16string& path, PhotoRotation rotation);

  // The stored window rectangle moved and sized to lie on the given virtual screen;
  // the stored rectangle itself is not changed.
  ScreenRect ValidateWindowRect(const ScreenRect& virtualScreen) const;

  // The settings file in the user's configuration folder. A settings file left in the program
  // folder by an older version (Pagewing.ini, else Pagewing.txt) is moved there first.
  std::u16string SettingsFilePath() const;

  bool loaded() const { return loaded_; }
  const SettingsEnvironment& environment() const { return environment_; }

  ScreenRect Window;
  Colour BGColour;
  std::u16string BGTexturePath;
  Colour CoverColour;
  std::u16string CoverTexturePath;
  std::u16string PaperTexturePath;
  std::u16string TPaperTexturePath;
  bool LightenPhotos = false;
  bool RenderShadows = false;
  bool RenderTransparentPage = true;
  Colour PaperColour;
  bool ShinyPaper = false;
  bool ShinyPhotos = false;
  int32_t Quality = 1;
  std::u16string Locale;
  std::u16string EffectPath;
  int32_t ExportWidth = 640;
  int32_t ExportHeight = 480;
  float ExportPAR = 1;
  float ExportFPS = 25;
  std::u16string ExportMoviePath;
  int32_t ExportType = 0;
  std::u16string EncoderName;
  int32_t TimePage = 2;
  int32_t TimeZoom = 2;
  int32_t TimeView = 2;
  int32_t Sort = 0;
  int32_t AntialiasingQuality = 2;
  std::array<std::u16string, kRecentPathCount> RecentPath;
  std::array<std::u16string, kRotationSlotCount> photoNames;
  std::array<PhotoRotation, kRotationSlotCount> photoRotations{};
  std::array<CameraPreset, kCameraPresetCount> CameraPresets{};
  // The encoder of MP4, Matroska and WebM movies by its plain name ("H.264"); empty for the
  // container's default. Its quality and speed, per plain name, for those the user set; the
  // encoder's defaults apply to the others. Written after all other lines.
  std::u16string MovieEncoder;
  std::map<std::u16string, int32_t> MovieQuality;
  std::map<std::u16string, std::u16string> MovieSpeed;
  // Photos are turned upright as their files record (EXIF orientation, HEIF rotation); written
  // after every other line, so older files, which lack it, load as before and mean "on".
  bool UseCameraOrientation = true;
  // The soundtrack's audio files in playing order, and whether the list repeats when it is
  // shorter than the movie. Written after the movie encoder's lines, only when set.
  std::vector<std::u16string> Soundtrack;
  bool LoopSoundtrack = false;
  // Play Tour starts again from the first spread when it reaches the end. Written after the
  // soundtrack, only when on, so a file without it means off.
  bool RepeatTour = false;
  // The book is bound on the right: its spreads are read and its leaves turned from right to
  // left. Written last, only when on, so a file without it means a book bound on the left.
  bool RightToLeftBook = false;

 private:
  void ApplyLine(const TextFile& file);
  void WriteMovieEncoderLines(TextFile& out) const;
  void WriteSoundtrackLines(TextFile& out) const;
  void WriteBindingLine(TextFile& out) const;

  SettingsEnvironment environment_;
  bool loaded_ = false;
  bool soundtrackRead_ = false;  // a file being loaded has given its soundtrack list
};
