#include "texts/text_table.h"

#include "texts/text_data.h"

namespace lumtar::texts {

std::optional<std::string_view> FindString(int string_id) {
  if (string_id < 0 || string_id >= 2 * kEnglishTextOffset) return std::nullopt;
  const bool english = string_id >= kEnglishTextOffset;
  const int id = english ? string_id - kEnglishTextOffset : string_id;
  const std::optional<TextEntry> entry = FindEntry(TableId::kText, id);
  if (!entry) return std::nullopt;
  return english ? entry->english : entry->german;
}

std::string_view RawText(int id, int offset) {
  const std::optional<std::string_view> text = FindString(id + offset);
  if (!text) return MissingText(TableId::kText, id + offset);
  return *text;
}

std::string_view RawText(int id, Language language) {
  return RawText(id, LanguageOffset(language));
}

std::string TextById(int id, Language language) {
  std::string text;
  for (const char c : RawText(id, language)) {
    if (c != '&') text += c;
  }
  return text;
}

std::vector<std::string_view> TextList(int base, int offset, int count) {
  std::vector<std::string_view> list;
  for (int i = 1; i <= count; ++i) list.push_back(RawText(base + i, offset));
  return list;
}

}  // namespace lumtar::texts
