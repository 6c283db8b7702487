#include "settings/FLocale.h"

#include "settings/TextFile.h"

namespace {

// Entries reading XXX are reserved: no window shows them, but a locale file still spends a line on each.
const std::array<const char16_t*, FLocale::kTextCount> kBuiltIn = {{
    u"File",  // 0
    u"Select Folder",  // 1
    u"Recent Folders",  // 2
    u"Exit",  // 3
    u"Play",  // 4
    u"Next Page",  // 5
    u"Previous Page",  // 6
    u"Go to first Page",  // 7
    u"Go to last Page",  // 8
    u"Photo",  // 9
    u"Rotate Clockwise",  // 10
    u"Rotate Counter Clockwise",  // 11
    u"Flip Horizontal",  // 12
    u"Flip Vertical",  // 13
    u"Copy...",  // 14
    u"Delete...",  // 15
    u"View",  // 16
    u"Front",  // 17
    u"Top",  // 18
    u"Left",  // 19
    u"Right",  // 20
    u"Photo Top Left",  // 21
    u"Photo Bottom Left",  // 22
    u"Photo Top Right",  // 23
    u"Photo Bottom Right",  // 24
    u"Light",  // 25
    u"Left",  // 26
    u"Right",  // 27
    u"Top",  // 28
    u"Front",  // 29
    u"Settings",  // 30
    u"Set Background Colour...",  // 31
    u"Set Background Picture...",  // 32
    u"Set Paper Colour...",  // 33
    u"Shiny Photos",  // 34
    u"Shiny Paper",  // 35
    u"Render Shadows",  // 36
    u"Lighten Photos",  // 37
    u"Low Quality",  // 38
    u"Normal Quality",  // 39
    u"High Quality",  // 40
    u"Reset All Settings",  // 41
    u"Set Language...",  // 42
    u"XXX",  // 43
    u"Help",  // 44
    u"User Guide...",  // 45
    u"XXX",  // 46
    u"About",  // 47
    u"Your can select a photo by left clicking on it with your mouse.\r\n\r\nWhen you right click on a photo a pop-up menu is displayed!",  // 48
    u"XXX",  // 49
    u"XXX",  // 50
    u"XXX",  // 51
    u"Page",  // 52
    u"of",  // 53
    u"Loading Photos...",  // 54
    u"Paused",  // 55
    u"version",  // 56
    u"XXX",  // 57
    u"XXX",  // 58
    u"XXX",  // 59
    u"XXX",  // 60
    u"XXX",  // 61
    u"XXX",  // 62
    u"OK",  // 63
    u"XXX",  // 64
    u"Cancel",  // 65
    u"XXX",  // 66
    u"Select Photo...",  // 67
    u"Save Photo as...",  // 68
    u"Select Locale...",  // 69
    u"Now switching to built-in English",  // 70
    u"Change Effect...",  // 71
    u"Select Effect...",  // 72
    u"Export as Movie...",  // 73
    u"Set Paper Texture...",  // 74
    u"Set Transparent Paper Texture...",  // 75
    u"Export as Movie...",  // 76
    u"Width in Pixels",  // 77
    u"Height in Pixels",  // 78
    u"Display Aspect Ratio",  // 79
    u"Pixel Aspect Ratio",  // 80
    u"Frames per Second",  // 81
    u"Set Cover Colour...",  // 82
    u"Set Cover Texture...",  // 83
    u"File Format",  // 84
    u"Uncompressed AVI",  // 85
    u"Compressed AVI",  // 86
    u"XXX",  // 87
    u"XXX",  // 88
    u"XXX",  // 89
    u"Animation Speed",  // 90
    u"Page turning Speed in Seconds",  // 91
    u"Zoom Speed in Seconds",  // 92
    u"Photo View Time in Seconds",  // 93
    u"Resolution and FPS",  // 94
    u"XXX",  // 95
    u"Set Animation Speed...",  // 96
    u"Render Transparent Page...",  // 97
    u"Sort by Name",  // 98
    u"Sort by Date",  // 99
    u"Antialiasing Quality",  // 100
    u"Software Antialiasing: Low Quality",  // 101
    u"Software Antialiasing: Medium Quality",  // 102
    u"Software Antialiasing: High Quality",  // 103
    u"Software Antialiasing: Super High Quality",  // 104
    u"Hardware Antialiasing: Make Screengrabs",  // 105
    u"Browsing",  // 106
    u"Exporting",  // 107
    u"Use Camera Orientation",  // 108
    u"Could not open this folder or photo:",  // 109
    u"Frame",  // 110
    u"elapsed",  // 111
    u"left",  // 112
    u"Play Tour",  // 113
    u"Repeat Tour",  // 114
    u"Playing Tour",  // 115
    u"Right-to-Left Book",  // 116
}};

}  // namespace

const std::array<const char16_t*, FLocale::kTextCount>& FLocale::BuiltInTexts() { return kBuiltIn; }

void FLocale::Reset() {
  for (int i = 0; i < kTextCount; ++i) texts_[i] = kBuiltIn[i];
}

bool FLocale::Load(const std::u16string& path) {
  TextFile file;
  if (!file.Open(path, false, false)) return false;
  Reset();
  for (int i = 0; i < kTextCount && file.ReadLine(); ++i) {
    std::u16string text = file.WholeLine(true, true);
    if (text.empty()) break;
    texts_[i] = std::move(text);
  }
  file.Close();
  return true;
}

std::u16string FLocale::GetText(int index) const {
  return index >= 0 && index < kTextCount ? texts_[index] : std::u16string();
}
