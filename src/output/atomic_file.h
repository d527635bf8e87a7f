#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace lumtar::output {

// A file that replaces `target` only when it was written completely: the
// bytes go to a fresh temporary file in the target's folder, which Commit()
// flushes to disk, closes and renames over the target (the folder is then
// synced so that the rename lasts). Until then the previous file is
// untouched; a temporary file that was not committed is removed. A file
// that replaces an existing one keeps its permissions; a new one gets the
// mode a newly created file gets. This is the one place that writes files
// atomically: every save of the program goes through it.
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
  // Makes the rename durable.
  void SyncFolder() const;

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
  std::string error_;
};

// Writes `bytes` as the whole new content of `target` through AtomicFile.
// False, with `error` saying why when it is given, when anything fails; the
// previous file is then untouched.
bool WriteFileAtomically(const std::filesystem::path& target,
                         std::string_view bytes, std::string* error = nullptr);

// `from` renamed over `to`; false and `error` when the rename fails.
bool ReplaceFile(const std::filesystem::path& from,
                 const std::filesystem::path& to, std::string& error);

}  // namespace lumtar::output
