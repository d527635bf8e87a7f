#pragma once

#include <string>
#include <string_view>

#include "texts/language.h"

namespace lumtar::texts {

// Entry `entry` of the message table and of the phrase table in `language`.
// An entry that the tables do not hold gives an empty view; tests assert
// that every entry the program asks for exists in both languages.
std::string_view MessageText(int entry, Language language);
std::string_view PhraseText(int entry, Language language);

// Message entries a and b shown as one text: a, LF CR, b.
std::string TwoLineMessage(int a, int b, Language language);

}  // namespace lumtar::texts
