#include "texts/text_file.h"

#include <algorithm>
#include <set>

namespace lumtar::texts {
namespace {

std::string Where(std::string_view file_name, int line) {
  return std::string(file_name) + ":" + std::to_string(line) + ": ";
}

// Whether `text` is well-formed UTF-8 (no overlong forms or surrogates).
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    // Lead byte: number of continuation bytes, smallest code point of that
    // length, and the payload bits of the lead byte.
    std::size_t follow = 0;
    unsigned min = 0;
    unsigned code = 0;
    if ((c & 0xE0) == 0xC0) {
      follow = 1, min = 0x80, code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      follow = 2, min = 0x800, code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      follow = 3, min = 0x10000, code = c & 0x07;
    } else {
      return false;
    }
    for (std::size_t k = 1; k <= follow; ++k) {
      if (i + k >= text.size()) return false;
      const auto f = static_cast<unsigned char>(text[i + k]);
      if ((f & 0xC0) != 0x80) return false;
      code = (code << 6) | (f & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += follow + 1;
  }
  return true;
}

// The text of a quoted field, or an error message in `error`.
std::string Unquote(std::string_view field, std::string& error) {
  if (field.size() < 2 || field.front() != '"' || field.back() != '"') {
    error = "a text must stand in double quotes";
    return {};
  }
  const std::string_view body = field.substr(1, field.size() - 2);
  std::string text;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (c == '"') {
      error = "a double quote inside a text must be written \\\"";
      return {};
    }
    if (c != '\\') {
      text += c;
      continue;
    }
    if (i + 1 == body.size()) {
      error = "a text ends with a lone backslash";
      return {};
    }
    switch (body[++i]) {
      case 'r':
        text += '\r';
        break;
      case 'n':
        text += '\n';
        break;
      case 't':
        text += '\t';
        break;
      case '"':
        text += '"';
        break;
      case '\\':
        text += '\\';
        break;
      default:
        error = std::string("unknown escape \\") + body[i];
        return {};
    }
  }
  if (text.empty()) error = "empty text";
  return text;
}

bool ParseId(std::string_view field, int& id) {
  if (field.empty() || field.size() > 6) return false;
  id = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return false;
    id = id * 10 + (c - '0');
  }
  return true;
}

struct IdRange {
  int first;
  int last;
};

// The ids a table may hold; `complete` tables must hold every one of them.
struct IdRule {
  std::vector<IdRange> ranges;
  bool complete;
};

IdRule RuleOf(TableId table) {
  switch (table) {
    case TableId::kText:
      return {{{0, kEnglishTextOffset - 1}}, false};
    case TableId::kCaption:
      return {{{0, 8}, {101, 145}}, true};
    case TableId::kTitle:
      return {{{1, 48}}, false};
    case TableId::kPhrase:
      return {{{0, 234}}, false};
    case TableId::kMessage:
      return {{{0, 71}}, false};
    case TableId::kMonth:
      return {{{1, 12}, {101, 112}, {201, 202}}, true};
  }
  return {{}, false};
}

}  // namespace

TextFile ParseTextFile(std::string_view content, std::string_view file_name) {
  TextFile file;
  std::set<int> ids;
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
  int line_number = 0;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size()
                                                        : end + 1);
    ++line_number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const std::string where = Where(file_name, line_number);

    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = line.find('\t', start);
      fields.push_back(line.substr(start, tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    if (fields.size() != 3) {
      file.errors.push_back(where + "expected id, German and English text " +
                            "separated by tabs, found " +
                            std::to_string(fields.size()) + " field(s)");
      continue;
    }
    TextFileEntry entry{0, {}, {}, line_number};
    if (!ParseId(fields[0], entry.id)) {
      file.errors.push_back(where + "the id \"" + std::string(fields[0]) +
                            "\" is not a whole number");
      continue;
    }
    std::string error;
    entry.german = Unquote(fields[1], error);
    if (!error.empty()) {
      file.errors.push_back(where + "German text: " + error);
      continue;
    }
    entry.english = Unquote(fields[2], error);
    if (!error.empty()) {
      file.errors.push_back(where + "English text: " + error);
      continue;
    }
    if (!IsUtf8(entry.german) || !IsUtf8(entry.english)) {
      file.errors.push_back(where + "a text is not valid UTF-8");
      continue;
    }
    if (!ids.insert(entry.id).second) {
      file.errors.push_back(where + "id " + std::to_string(entry.id) +
                            " occurs twice");
      continue;
    }
    file.entries.push_back(std::move(entry));
  }
  return file;
}

std::vector<std::string> CheckTableIds(
    TableId table, const std::vector<TextFileEntry>& entries,
    std::string_view file_name) {
  const IdRule rule = RuleOf(table);
  std::vector<std::string> errors;
  std::set<int> present;
  for (const TextFileEntry& entry : entries) {
    present.insert(entry.id);
    const bool allowed = std::any_of(
        rule.ranges.begin(), rule.ranges.end(), [&](const IdRange& range) {
          return entry.id >= range.first && entry.id <= range.last;
        });
    if (!allowed) {
      errors.push_back(Where(file_name, entry.line) + "id " +
                       std::to_string(entry.id) + " lies outside the ids of " +
                       std::string(TableName(table)));
    }
  }
  if (rule.complete) {
    for (const IdRange& range : rule.ranges) {
      for (int id = range.first; id <= range.last; ++id) {
        if (!present.contains(id)) {
          errors.push_back(std::string(file_name) + ": " +
                           std::string(TableName(table)) + " lacks id " +
                           std::to_string(id));
        }
      }
    }
  }
  return errors;
}

std::string CppLiteralBody(std::string_view text) {
  static constexpr char kOctal[] = "01234567";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        continue;
      case '\\':
        out += "\\\\";
        continue;
      case '\r':
        out += "\\r";
        continue;
      case '\n':
        out += "\\n";
        continue;
      case '\t':
        out += "\\t";
        continue;
      default:
        break;
    }
    if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      out += '\\';
      out += kOctal[(byte >> 6) & 7];
      out += kOctal[(byte >> 3) & 7];
      out += kOctal[byte & 7];
    }
  }
  return out;
}

}  // namespace lumtar::texts
