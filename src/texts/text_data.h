#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "texts/language.h"

namespace lumtar::texts {

// The tables of language texts. Their contents come from the files under
// resources/texts/ and are compiled into the program at build time.
enum class TableId {
  kText,     // TextTable: German text at id n < 2000, English at n + 2000
  kCaption,  // CaptionPairs: captions and titles 0..8, menu items 101..145
  kTitle,    // TitleTable: entries 1..48
  kPhrase,   // PhraseTable: entries 0..234
  kMessage,  // MessageTable: entries 0..71
  kMonth,    // month names and month header lines
};

// One entry of a table: its id (or entry number) and its two texts, both
// UTF-8 and never empty.
struct TextEntry {
  int id;
  std::string_view german;
  std::string_view english;
};

// Every entry of `table`, sorted by id. Static storage; allocates nothing.
std::span<const TextEntry> TableEntries(TableId table);

// The entry `id` of `table`, or nullopt when the table does not hold it.
std::optional<TextEntry> FindEntry(TableId table, int id);

// The name of a table for messages ("MessageTable", ...).
constexpr std::string_view TableName(TableId table) {
  switch (table) {
    case TableId::kText:
      return "TextTable";
    case TableId::kCaption:
      return "CaptionPairs";
    case TableId::kTitle:
      return "TitleTable";
    case TableId::kPhrase:
      return "PhraseTable";
    case TableId::kMessage:
      return "MessageTable";
    case TableId::kMonth:
      return "Months";
  }
  return "unknown table";
}

// The text of `entry` in `language`.
constexpr std::string_view Select(const TextEntry& entry, Language language) {
  return language == Language::kGerman ? entry.german : entry.english;
}

// What an unchecked lookup returns for an id that the tables do not hold.
// A missing id is a programming error: builds without NDEBUG stop at an
// assertion ("missing text"), release builds show this marker instead of an
// empty text.
inline constexpr std::string_view kMissingText = "[missing text]";
std::string_view MissingText(TableId table, int id);

// The text `id` of `table` in `language`, or MissingText.
std::string_view EntryText(TableId table, int id, Language language);

}  // namespace lumtar::texts
