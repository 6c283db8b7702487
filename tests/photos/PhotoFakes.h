#pragma once

#include <map>
#include <string>
#include <vector>

#include "photos/FolderOpenEffects.h"
#include "photos/PhotoSettings.h"
#include "platform/gui/FileDialogs.h"
#include "platform/gui/MessageSink.h"
#include "platform/sys/StringConvert.h"

// Fakes for the application's side of the photo code. Each call is written to a shared log,
// so tests can check what happened and in which order.
using CallLog = std::vector<std::string>;

class FakePhotoSettings : public PhotoSettings {
 public:
  explicit FakePhotoSettings(CallLog& log) : log_(log) {}
  std::u16string MostRecentPath() const override { return mostRecent; }
  void AddRecentPath(const std::u16string& path) override { log_.push_back("AddRecentPath " + ToUtf8(path)); }
  PhotoSortOrder SortOrder() const override { return order; }
  PhotoRotation GetPhotoRotation(const std::u16string& path) const override {
    const auto found = rotations.find(path);
    return found == rotations.end() ? 0 : found->second;
  }
  bool SetPhotoRotation(const std::u16string& path, PhotoRotation rotation) override {
    rotations[path] = rotation;
    return true;
  }

  std::u16string mostRecent;
  PhotoSortOrder order = PhotoSortOrder::ByName;
  std::map<std::u16string, PhotoRotation> rotations;

 private:
  CallLog& log_;
};

class FakeFileDialogs : public FileDialogs {
 public:
  explicit FakeFileDialogs(CallLog& log) : log_(log) {}
  std::u16string ShowFileDialog(int kind, const std::u16string& initialPath) override {
    log_.push_back("ShowFileDialog " + std::to_string(kind) + " " + ToUtf8(initialPath));
    return answer;
  }

  std::u16string answer;  // empty: the user cancels

 private:
  CallLog& log_;
};

class FakeMessageSink : public MessageSink {
 public:
  explicit FakeMessageSink(CallLog& log) : log_(log) {}
  void ShowMessage(const std::u16string& text, Icon icon) override {
    log_.push_back("ShowMessage " + ToUtf8(text) + (icon == Icon::Information ? " (information)" : " (error)"));
  }

 private:
  CallLog& log_;
};

class FakeFolderOpenEffects : public FolderOpenEffects {
 public:
  explicit FakeFolderOpenEffects(CallLog& log) : log_(log) {}
  void UpdateMenus() override { log_.push_back("UpdateMenus"); }
  void GoToFirstPage() override { log_.push_back("GoToFirstPage"); }
  void ShowEmptyBook() override { log_.push_back("ShowEmptyBook"); }

 private:
  CallLog& log_;
};
