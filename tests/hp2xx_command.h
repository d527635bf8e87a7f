#pragma once

#include <filesystem>
#include <string>

// The hp2xx command that renders `plt` as the PNG `png` (same folder).
// hp2xx keeps file names in a buffer of about 100 characters and aborts on
// longer ones, so it runs in the folder with bare names.
inline std::string Hp2xxCommand(const std::filesystem::path& png,
                                const std::filesystem::path& plt) {
  return "cd '" + plt.parent_path().string() + "' && hp2xx -q -m png -f '" +
         png.filename().string() + "' '" + plt.filename().string() + "'";
}
