#pragma once

// The outside programs the tests check our files with: ezdxf (DXF audit)
// and hp2xx (HPGL rendering).
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

inline bool HaveEzdxf() {
  return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0;
}

inline bool HaveHp2xx() {
  return std::system("command -v hp2xx >/dev/null 2>&1") == 0;
}

// Runs `command`; returns its exit status, its standard output and error
// in `output`.
inline int RunTool(const std::string& command, std::string& output) {
  output.clear();
  std::FILE* p = popen((command + " 2>&1").c_str(), "r");
  if (p == nullptr) return -1;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) output.append(buf, n);
  const int status = pclose(p);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The hp2xx command that renders `plt` as the PNG `png` (same folder).
// hp2xx keeps file names in a buffer of about 100 characters and aborts on
// longer ones, so it runs in the folder with bare names.
inline std::string Hp2xxCommand(const std::filesystem::path& png,
                                const std::filesystem::path& plt) {
  return "cd '" + plt.parent_path().string() + "' && hp2xx -q -m png -f '" +
         png.filename().string() + "' '" + plt.filename().string() + "'";
}
