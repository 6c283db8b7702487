#pragma once

// Control numbers of the program's dialogs (templates 147, 149, 150 and 151).
namespace ControlId {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;

// Dialog 150, encoder choice.
inline constexpr int EncoderList = 1045;
inline constexpr int EncoderSettings = 1078;
inline constexpr int EncoderAbout = 1079;
inline constexpr int EncoderGroup = 1080;

// Export settings, dialog 149.
inline constexpr int ExportWidth = 1033;
inline constexpr int ExportHeight = 1034;
inline constexpr int ExportFps = 1035;
inline constexpr int ExportDisplayAspect = 1036;
inline constexpr int ExportPixelAspect = 1037;
inline constexpr int ExportDisplayAspectLabel = 1039;
inline constexpr int ExportPixelAspectLabel = 1040;
inline constexpr int ExportFpsLabel = 1041;
inline constexpr int ExportWidthLabel = 1042;
inline constexpr int ExportHeightLabel = 1043;
inline constexpr int ExportPresetList = 1044;
inline constexpr int ExportTimePage = 1046;
inline constexpr int ExportTimeZoom = 1047;
inline constexpr int ExportTimeView = 1048;
inline constexpr int ExportUncompressed = 1049;
inline constexpr int ExportCompressed = 1050;
inline constexpr int ExportFileFormatGroup = 1053;
inline constexpr int ExportResolutionGroup = 1055;
inline constexpr int ExportSpeedGroup = 1056;
inline constexpr int ExportTimePageLabel = 1057;
inline constexpr int ExportTimeZoomLabel = 1058;
inline constexpr int ExportTimeViewLabel = 1059;
inline constexpr int ExportAntialiasingList = 1076;
inline constexpr int ExportAntialiasingGroup = 1077;
inline constexpr int ExportSoundtrackGroup = 1081;
inline constexpr int ExportSoundtrackList = 1082;
inline constexpr int ExportSoundtrackAdd = 1083;
inline constexpr int ExportSoundtrackRemove = 1084;
inline constexpr int ExportSoundtrackUp = 1085;
inline constexpr int ExportSoundtrackDown = 1086;
inline constexpr int ExportSoundtrackLoop = 1087;

// Animation speed, dialog 151.
inline constexpr int SpeedTimePage = 1060;
inline constexpr int SpeedTimeZoom = 1061;
inline constexpr int SpeedTimeView = 1062;
inline constexpr int SpeedTimePageLabel = 1063;
inline constexpr int SpeedTimeZoomLabel = 1064;
inline constexpr int SpeedTimeViewLabel = 1065;
}  // namespace ControlId
