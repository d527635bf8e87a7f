#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumtar::app {

// Text files of the program are Windows-1252 outside and UTF-8 inside.

// Windows-1252 bytes as UTF-8 (the converter of output/windows1252.h). The
// five byte values that Windows-1252 leaves undefined become "?".
std::string DecodeWindows1252(std::string_view bytes);

// UTF-8 text as Windows-1252 bytes. A character that Windows-1252 cannot
// hold, and a byte that is not valid UTF-8, become "?".
std::string EncodeWindows1252(std::string_view utf8);

// The lines of `text`: CR LF, LF and a lone CR each end a line; a final
// line terminator does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

// The lines, each followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// The largest file the readers accept (bytes); a settings or date-line file
// is a few kilobytes.
inline constexpr std::uintmax_t kMaxTextFileBytes = 16u << 20;

// All bytes of a regular file; nullopt when it is missing, not a regular
// file, larger than kMaxTextFileBytes or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

// The lines of a Windows-1252 text file, as UTF-8; nullopt as ReadFileBytes.
std::optional<std::vector<std::string>> ReadWindows1252Lines(
    const std::filesystem::path& file);

// Writes `bytes` as the whole new content of `file` without ever leaving a
// half-written file (output::WriteFileAtomically: a temporary file in the
// same folder, flushed to disk and renamed over `file`). An existing file
// keeps its permissions. On any failure the temporary file is removed, the
// previous file is untouched and false is returned.
bool WriteFileAtomically(const std::filesystem::path& file,
                         std::string_view bytes);

// The lines as a Windows-1252 file with CR LF, written atomically.
bool WriteWindows1252Lines(const std::filesystem::path& file,
                           const std::vector<std::string>& lines);

}  // namespace lumtar::app
