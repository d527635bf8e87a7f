#include "app/ansi_text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "output/atomic_file.h"
#include "output/windows1252.h"

namespace lumtar::app {

std::string DecodeWindows1252(std::string_view bytes) {
  return output::Windows1252ToUtf8(bytes);
}

std::string EncodeWindows1252(std::string_view utf8) {
  return output::Utf8ToWindows1252(utf8);
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
  return output::WriteFileAtomically(file, bytes);
}

bool WriteWindows1252Lines(const std::filesystem::path& file,
                           const std::vector<std::string>& lines) {
  return WriteFileAtomically(file, EncodeWindows1252(JoinCrLf(lines)));
}

}  // namespace lumtar::app
