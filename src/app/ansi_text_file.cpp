#include "app/ansi_text_file.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace lumtar::app {
namespace {

// Bytes of the UTF-8 character at the start of `s` that the encoder could
// not take: the lead byte and the continuation bytes it announces, so that a
// bad byte never swallows the next good character.
std::size_t BadUtf8Length(std::string_view s) {
  const auto lead = static_cast<unsigned char>(s[0]);
  std::size_t expected = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    expected = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    expected = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    expected = 4;
  }
  std::size_t n = 1;
  while (n < expected && n < s.size() &&
         (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
    ++n;
  return n;
}

// Converts with iconv from `from` to `to`. Where the converter refuses the
// input, "?" is written and `skip` (given the rest of the input) tells how
// many bytes to pass over.
template <typename Skip>
std::string Convert(std::string_view input, const char* from, const char* to,
                    Skip skip) {
  std::string out;
  out.reserve(input.size() + input.size() / 4);
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    // No converter at all: keep the ASCII characters, which both sides
    // share.
    for (char c : input) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return out;
  }
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  char buffer[4096];
  while (in_left > 0) {
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    const std::size_t r = iconv(cd, &in, &in_left, &dst, &dst_left);
    out.append(buffer, dst - buffer);
    if (r != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: an input sequence the converter cannot take.
    out += '?';
    const std::size_t n =
        std::max<std::size_t>(1, skip(std::string_view(in, in_left)));
    in += n;
    in_left -= n;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string DecodeWindows1252(std::string_view bytes) {
  return Convert(bytes, "WINDOWS-1252", "UTF-8",
                 [](std::string_view) -> std::size_t { return 1; });
}

std::string EncodeWindows1252(std::string_view utf8) {
  return Convert(utf8, "UTF-8", "WINDOWS-1252", BadUtf8Length);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      static_cast<std::uintmax_t>(st.st_size) > kMaxTextFileBytes) {
    ::close(fd);
    return std::nullopt;
  }
  std::string bytes;
  char buffer[8192];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (bytes.size() > kMaxTextFileBytes) {
      ::close(fd);
      return std::nullopt;
    }
  }
  ::close(fd);
  return bytes;
}

std::optional<std::vector<std::string>> ReadWindows1252Lines(
    const std::filesystem::path& file) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return std::nullopt;
  return SplitLines(DecodeWindows1252(*bytes));
}

bool WriteFileAtomically(const std::filesystem::path& file,
                         std::string_view bytes) {
  if (file.filename().empty()) return false;
  const std::filesystem::path folder = file.parent_path();
  // A fresh name beside the target; O_EXCL makes sure it is ours.
  std::filesystem::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp =
        folder / ("." + file.filename().string() + ".tmp" +
                  std::to_string(::getpid()) + "_" + std::to_string(attempt));
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  struct stat old;
  if (::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode))
    ::fchmod(fd, old.st_mode & 07777);
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  const int dir = ::open(folder.empty() ? "." : folder.c_str(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool WriteWindows1252Lines(const std::filesystem::path& file,
                           const std::vector<std::string>& lines) {
  return WriteFileAtomically(file, EncodeWindows1252(JoinCrLf(lines)));
}

}  // namespace lumtar::app
