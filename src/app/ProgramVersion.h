#pragma once

// The version the About dialog shows.
inline constexpr char16_t kProgramVersion[] = u"3.4.4";
