#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "texts/text_data.h"

namespace lumtar::texts {

// The file format of the text tables under resources/texts/ (README.md
// there): one entry per line, "id<TAB>"German"<TAB>"English"", texts in
// double quotes with the escapes \r \n \t \" \\; lines that are empty or
// begin with "#" are comments. The build turns the files into the compiled
// tables; these routines read and check them.

struct TextFileEntry {
  int id;
  std::string german;
  std::string english;
  int line;  // 1-based line of the file, for messages
};

struct TextFile {
  std::vector<TextFileEntry> entries;  // in file order
  std::vector<std::string> errors;     // "name:line: what", empty when good
};

// Reads the text of a table file. Every malformed line, bad escape, empty
// text, invalid UTF-8 and repeated id is an error; good lines are kept.
TextFile ParseTextFile(std::string_view content, std::string_view file_name);

// Checks the ids of `entries` against the ids that `table` may hold, and
// that the tables with a fixed set of ids (captions, months) hold all of
// them. Returns one message per fault.
std::vector<std::string> CheckTableIds(
    TableId table, const std::vector<TextFileEntry>& entries,
    std::string_view file_name);

// `text` written as the body of a C++ string literal: printable ASCII as it
// stands, quotes, backslashes and control characters escaped, every other
// byte as a three-digit octal escape (so the literal is independent of the
// compiler's source character set).
std::string CppLiteralBody(std::string_view text);

}  // namespace lumtar::texts
