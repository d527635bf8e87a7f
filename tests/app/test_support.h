#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/scripted_ui.h"

namespace lumtar::testing {

// A fresh folder below the system's temporary folder, removed with
// everything in it when the object goes.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "lumtar_test_XXXXXX")
            .string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const {
    return path_ / name;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteBytes(const std::filesystem::path& file,
                       const std::string& bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

// While it lives, this process may write no file beyond `bytes` (a write
// past it fails instead of raising SIGXFSZ): a save that fails half-way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old_;
    small.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool active() const { return active_; }

 private:
  struct rlimit old_;
  sighandler_t old_handler_;
  bool active_ = false;
};

// The names in `folder`, sorted.
inline std::vector<std::string> FileNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A ScriptedUi whose answers go to questions only: a plain message (OK)
// takes no answer from the queue. An empty queue answers Yes.
class QuestionUi : public platform::ScriptedUi {
 public:
  platform::Answer Message(platform::Caption caption, std::string_view text,
                           platform::Buttons buttons) override {
    if (buttons != platform::Buttons::kOk)
      return ScriptedUi::Message(caption, text, buttons);
    shown.push_back({caption, std::string(text), buttons});
    return platform::Answer::kOk;
  }
};

}  // namespace lumtar::testing
