#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace lumtar::texts {

// The three tables of numbered text pairs: TitleTable (entries 1..48),
// PhraseTable (0..234) and MessageTable (0..71). Texts may hold line breaks
// and leading or trailing blanks that matter for layout.
enum class PairTable { kTitle, kPhrase, kMessage };

// Entry `entry` of `table` in `language`, or nullopt when the table does not
// hold it.
std::optional<std::string_view> FindPairText(PairTable table, int entry,
                                             Language language);

// Entry `entry` of `table` in `language`. An entry that the table does not
// hold is a programming error (see kMissingText in texts/text_data.h); tests
// assert that every entry the program asks for exists in both languages.
std::string_view PairText(PairTable table, int entry, Language language);
std::string_view MessageText(int entry, Language language);
std::string_view PhraseText(int entry, Language language);
std::string_view TitleText(int entry, Language language);

// Message entries a and b shown as one text: a, LF CR, b.
std::string TwoLineMessage(int a, int b, Language language);

// PhraseTable entries first..last in `language`, in order.
std::vector<std::string_view> TitleList(int first, int last, Language language);

}  // namespace lumtar::texts
