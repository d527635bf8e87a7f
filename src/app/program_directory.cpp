#include "app/program_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace lumtar::app {
namespace {

std::optional<std::string> Environment(const char* name) {
  const char* v = std::getenv(name);
  if (v == nullptr || *v == '\0') return std::nullopt;
  return std::string(v);
}

}  // namespace

std::filesystem::path ResolveProgramDirectory(
    const ProgramDirectoryInputs& inputs) {
  if (inputs.lumtar_home) return *inputs.lumtar_home;
  if (inputs.executable_folder_writable) return inputs.executable_folder;
  if (inputs.xdg_config_home &&
      std::filesystem::path(*inputs.xdg_config_home).is_absolute())
    return std::filesystem::path(*inputs.xdg_config_home) / "lumtar";
  if (inputs.home)
    return std::filesystem::path(*inputs.home) / ".config" / "lumtar";
  return inputs.executable_folder;
}

std::filesystem::path ProgramDirectory() {
  ProgramDirectoryInputs in;
  in.lumtar_home = Environment("LUMTAR_HOME");
  in.xdg_config_home = Environment("XDG_CONFIG_HOME");
  in.home = Environment("HOME");
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  in.executable_folder =
      ec ? std::filesystem::current_path(ec) : exe.parent_path();
  in.executable_folder_writable =
      !in.executable_folder.empty() &&
      ::access(in.executable_folder.c_str(), W_OK) == 0;
  const std::filesystem::path dir = ResolveProgramDirectory(in);
  if (!in.lumtar_home && dir != in.executable_folder)
    std::filesystem::create_directories(dir, ec);
  return dir;
}

std::filesystem::path SettingsPath() {
  return ProgramDirectory() / kSettingsFileName;
}

}  // namespace lumtar::app
