#pragma once

#include <string>
#include <string_view>

namespace lumtar::output {

// Conversion between the program's UTF-8 texts and the Windows-1252 bytes
// of the files it writes, through iconv. A character that Windows-1252
// cannot hold, or a malformed sequence, becomes "?".
std::string Utf8ToWindows1252(std::string_view utf8);
// Bytes that Windows-1252 leaves undefined become "?".
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace lumtar::output
