#include "texts/text_data.h"

#include <algorithm>
#include <cassert>

namespace lumtar::texts {

std::optional<TextEntry> FindEntry(TableId table, int id) {
  const std::span<const TextEntry> entries = TableEntries(table);
  const auto it = std::lower_bound(
      entries.begin(), entries.end(), id,
      [](const TextEntry& entry, int value) { return entry.id < value; });
  if (it == entries.end() || it->id != id) return std::nullopt;
  return *it;
}

std::string_view MissingText([[maybe_unused]] TableId table,
                             [[maybe_unused]] int id) {
  assert(!"missing text: the tables hold no such id");
  return kMissingText;
}

std::string_view EntryText(TableId table, int id, Language language) {
  const std::optional<TextEntry> entry = FindEntry(table, id);
  if (!entry) return MissingText(table, id);
  return Select(*entry, language);
}

}  // namespace lumtar::texts
