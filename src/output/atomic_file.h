#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace lumtar::output {

// A file that replaces `target` only when it was written completely: the
// bytes go to a fresh temporary file in the target's folder, which Commit()
// flushes, closes and renames over the target. Until then the previous
// file is untouched; a temporary file that was not committed is removed.
class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path target);
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  ~AtomicFile();

  // Creates the temporary file; false (and error()) when it cannot.
  bool Open();
  void Write(std::string_view bytes);
  bool Commit();
  // Drops the temporary file.
  void Discard();

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  const std::filesystem::path& temporary_path() const { return temporary_; }

 private:
  void Fail(std::string_view what);

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
  std::string error_;
};

// `from` renamed over `to`; false and `error` when the rename fails.
bool ReplaceFile(const std::filesystem::path& from,
                 const std::filesystem::path& to, std::string& error);

}  // namespace lumtar::output
