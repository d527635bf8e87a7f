#include "texts/pair_texts.h"

#include "texts/text_data.h"

namespace lumtar::texts {
namespace {

constexpr TableId TableOf(PairTable table) {
  switch (table) {
    case PairTable::kTitle:
      return TableId::kTitle;
    case PairTable::kPhrase:
      return TableId::kPhrase;
    case PairTable::kMessage:
      return TableId::kMessage;
  }
  return TableId::kMessage;
}

}  // namespace

std::optional<std::string_view> FindPairText(PairTable table, int entry,
                                             Language language) {
  const std::optional<TextEntry> found = FindEntry(TableOf(table), entry);
  if (!found) return std::nullopt;
  return Select(*found, language);
}

std::string_view PairText(PairTable table, int entry, Language language) {
  return EntryText(TableOf(table), entry, language);
}

std::string_view MessageText(int entry, Language language) {
  return PairText(PairTable::kMessage, entry, language);
}

std::string_view PhraseText(int entry, Language language) {
  return PairText(PairTable::kPhrase, entry, language);
}

std::string_view TitleText(int entry, Language language) {
  return PairText(PairTable::kTitle, entry, language);
}

std::string TwoLineMessage(int a, int b, Language language) {
  std::string text(MessageText(a, language));
  text += "\n\r";
  text += MessageText(b, language);
  return text;
}

std::vector<std::string_view> TitleList(int first, int last,
                                        Language language) {
  std::vector<std::string_view> list;
  for (int entry = first; entry <= last; ++entry)
    list.push_back(PhraseText(entry, language));
  return list;
}

}  // namespace lumtar::texts
