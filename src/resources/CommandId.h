#pragma once

// Command numbers of the main menu (resource 141), its accelerators and the pop-up menus.
namespace CommandId {
inline constexpr int ToggleFullScreen = 40003;  // Alt+Enter; no menu item
inline constexpr int Exit = 40006;
inline constexpr int SelectFolder = 40012;
inline constexpr int About = 40024;
inline constexpr int RecentFolder0 = 40051;  // 40051 ... 40060: recent folders 0 ... 9
inline constexpr int ViewFront = 40067;      // 40067 ... 40074: views 0 ... 7
inline constexpr int LightLeft = 40077;      // 40077 ... 40080: light presets
inline constexpr int FlipHorizontal = 40083;
inline constexpr int FlipVertical = 40084;
inline constexpr int LowQuality = 40085;
inline constexpr int NormalQuality = 40086;
inline constexpr int HighQuality = 40087;
inline constexpr int NextPage = 40088;
inline constexpr int PreviousPage = 40089;
inline constexpr int FirstPage = 40090;
inline constexpr int LastPage = 40091;
inline constexpr int LightenPhotos = 40099;
inline constexpr int ResetAllSettings = 40100;
inline constexpr int UserGuide = 40102;
inline constexpr int SetLanguage = 40103;
inline constexpr int ChangeEffect = 40104;
inline constexpr int ExportMovie = 40105;
inline constexpr int SetPaperTexture = 40106;
inline constexpr int SetTransparentPaperTexture = 40107;
inline constexpr int SetBackgroundColour = 40108;
inline constexpr int SetBackgroundTexture = 40109;
inline constexpr int SetPaperColour = 40110;
inline constexpr int ShinyPhotos = 40111;
inline constexpr int ShinyPaper = 40112;
inline constexpr int RenderShadows = 40113;
inline constexpr int SetCoverColour = 40115;
inline constexpr int SetCoverTexture = 40116;
inline constexpr int RotateClockwise = 40117;
inline constexpr int RotateCounterClockwise = 40118;
inline constexpr int CopyPhoto = 40119;
inline constexpr int SetAnimationSpeed = 40121;
inline constexpr int RenderTransparentPage = 40122;
inline constexpr int SortByName = 40125;
inline constexpr int SortByDate = 40126;
inline constexpr int UseCameraOrientation = 40150;
inline constexpr int PlayTour = 40151;
inline constexpr int RepeatTour = 40152;
inline constexpr int RightToLeftBook = 40153;
}  // namespace CommandId
