#pragma once

// Sections and keys of "option.ini", and the text a reader asks with: a
// missing key, an empty value and this text all count as missing.
namespace SettingsKeys {
inline constexpr const char* Missing = "Error";

inline constexpr const char* OutPathSection = "OutPath";
inline constexpr const char* OutPath = "OutPath";

inline constexpr const char* SkinSection = "Skin";
inline constexpr const char* SetSkin = "SetSkin";

inline constexpr const char* OptionsSection = "Options";
inline constexpr const char* ThreadCount = "Thread_Count";
inline constexpr const char* AfterDone = "After_Done";
inline constexpr const char* ShowPreview = "Show_Preview";
inline constexpr const char* ThreadPriority = "Thread_Priority";
inline constexpr const char* OverwriteFile = "Overwrite_File";

inline constexpr const char* SnapShotSection = "SnapShot";
inline constexpr const char* SnapShotDir = "Dir";
inline constexpr const char* SnapShotPicture = "Picture";
} // namespace SettingsKeys
