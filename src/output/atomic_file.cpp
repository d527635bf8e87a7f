#include "output/atomic_file.h"

#include <fcntl.h>
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
  if (target_.filename().empty()) {
    error_ = "no file name in " + target_.string();
    return false;
  }
  std::filesystem::path folder = target_.parent_path();
  if (folder.empty()) folder = ".";
  std::string name =
      (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    Fail("cannot create a file in " + folder.string());
    return false;
  }
  // mkstemp makes the file private: give it the permissions of the file it
  // replaces, or those a new file gets.
  struct stat old;
  if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    fchmod(fd, old.st_mode & 07777);
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
  }
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
      SyncFolder();
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

void AtomicFile::SyncFolder() const {
  const std::filesystem::path folder = target_.parent_path();
  const int dir = open(folder.empty() ? "." : folder.c_str(),
                       O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  fsync(dir);
  close(dir);
}

bool WriteFileAtomically(const std::filesystem::path& target,
                         std::string_view bytes, std::string* error) {
  AtomicFile file(target);
  if (file.Open()) {
    file.Write(bytes);
    if (file.Commit()) return true;
  }
  if (error != nullptr) *error = file.error();
  return false;
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
