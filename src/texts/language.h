#pragma once

namespace lumtar::texts {

// The two user-interface languages. The numeric values are the language
// index of the pair tables minus one (German 1, English 2 there).
enum class Language { kGerman = 0, kEnglish = 1 };

}  // namespace lumtar::texts
