#include "app/settings_lines.h"

namespace lumtar::app::settings_lines {
namespace {

bool IsNumberChar(char c) {
  return c == '-' || c == '.' || (c >= '0' && c <= '9');
}

}  // namespace

std::vector<std::string_view> NumberRuns(std::string_view line) {
  std::vector<std::string_view> runs;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && !IsNumberChar(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && IsNumberChar(line[i])) ++i;
    if (i > start) runs.push_back(line.substr(start, i - start));
  }
  return runs;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

}  // namespace lumtar::app::settings_lines
