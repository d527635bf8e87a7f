#include "output/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace lumtar::output {

AtomicFile::AtomicFile(std::filesystem::path target)
    : target_(std::move(target)) {}

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Fail(std::string_view what) {
  if (error_.empty()) error_ = std::string(what) + ": " + std::strerror(errno);
}

bool AtomicFile::Open() {
  Discard();
  error_.clear();
  std::filesystem::path folder = target_.parent_path();
  if (folder.empty()) folder = ".";
  std::string name =
      (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    Fail("cannot create a file in " + folder.string());
    return false;
  }
  // mkstemp makes the file private; give it the mode a new file gets.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  temporary_ = name;
  file_ = fdopen(fd, "wb");
  if (file_ == nullptr) {
    Fail("cannot open " + name);
    close(fd);
    return false;
  }
  return true;
}

void AtomicFile::Write(std::string_view bytes) {
  if (file_ == nullptr || !error_.empty() || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
    Fail("cannot write " + temporary_.string());
}

bool AtomicFile::Commit() {
  if (file_ == nullptr) {
    if (error_.empty()) error_ = "not open";
    Discard();
    return false;
  }
  if (std::fflush(file_) != 0) Fail("cannot write " + temporary_.string());
  if (error_.empty() && fsync(fileno(file_)) != 0)
    Fail("cannot write " + temporary_.string());
  if (std::fclose(file_) != 0) Fail("cannot close " + temporary_.string());
  file_ = nullptr;
  if (error_.empty()) {
    std::string why;
    if (ReplaceFile(temporary_, target_, why)) {
      temporary_.clear();
      return true;
    }
    error_ = why;
  }
  Discard();
  return false;
}

void AtomicFile::Discard() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temporary_.empty()) {
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
    temporary_.clear();
  }
}

bool ReplaceFile(const std::filesystem::path& from,
                 const std::filesystem::path& to, std::string& error) {
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  if (!ec) return true;
  error = "cannot rename " + from.string() + " to " + to.string() + ": " +
          ec.message();
  return false;
}

}  // namespace lumtar::output
