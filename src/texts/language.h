#pragma once

namespace lumtar::texts {

// The two user-interface languages. The numeric values are the language
// index of the pair tables minus one (German 1, English 2 there).
enum class Language { kGerman = 0, kEnglish = 1 };

// The language index of the pair tables: 1 German, 2 English. Entry k of a
// pair table is its element 3k + LanguageIndex.
constexpr int LanguageIndex(Language language) {
  return language == Language::kGerman ? 1 : 2;
}

// The offset of the text table: 0 German, 2000 English (the English text of
// id n is stored at n + 2000).
inline constexpr int kEnglishTextOffset = 2000;
constexpr int LanguageOffset(Language language) {
  return language == Language::kGerman ? 0 : kEnglishTextOffset;
}

// The language of a text-table offset: 2000 is English, anything else
// German (German is the default at start).
constexpr Language LanguageFromOffset(int offset) {
  return offset == kEnglishTextOffset ? Language::kEnglish : Language::kGerman;
}

}  // namespace lumtar::texts
