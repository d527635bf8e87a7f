#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace lumtar::app {

// Where the program keeps lum.ini, lum_days.ini and the outline files.
struct ProgramDirectoryInputs {
  std::optional<std::string> lumtar_home;      // $LUMTAR_HOME
  std::optional<std::string> xdg_config_home;  // $XDG_CONFIG_HOME
  std::optional<std::string> home;             // $HOME
  std::filesystem::path executable_folder;     // folder of the program file
  bool executable_folder_writable = false;
};

// The rule: a non-empty LUMTAR_HOME wins; else the executable's folder when
// it is writable; else $XDG_CONFIG_HOME/lumtar (an absolute path only), else
// $HOME/.config/lumtar; with none of these, the executable's folder.
std::filesystem::path ResolveProgramDirectory(
    const ProgramDirectoryInputs& inputs);

// The program directory of this process (environment and /proc/self/exe).
// A configuration folder chosen by the rule is created when missing.
std::filesystem::path ProgramDirectory();

inline constexpr char kSettingsFileName[] = "lum.ini";
inline constexpr char kSettingsBackupFileName[] = "lum_ini.bak";
inline constexpr char kDateLinesFileName[] = "lum_days.ini";

// ProgramDirectory() / "lum.ini".
std::filesystem::path SettingsPath();

}  // namespace lumtar::app
