#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace lumtar::texts {

// The text table: every control caption and UI text by numeric id. The
// German text of id n (n < 2000) is string n, the English one string
// n + 2000 (LanguageOffset). Texts may carry "&" before the accelerator
// letter and may hold line breaks.

// String `string_id` as stored (German below 2000, English from 2000 to
// 3999), or nullopt when the table does not hold it.
std::optional<std::string_view> FindString(int string_id);

// String id + offset unchanged, accelerator "&" included; `offset` is a
// LanguageOffset (0 or 2000). An id that the table does not hold is a
// programming error (see kMissingText in texts/text_data.h).
std::string_view RawText(int id, int offset);
std::string_view RawText(int id, Language language);

// Text `id` in `language` with every "&" removed ("&Help" gives "Help").
std::string TextById(int id, Language language);

// Strings base + offset + 1 ... base + offset + count, in order; for example
// the fourteen entries of the dial kind list are TextList(182, offset, 14).
std::vector<std::string_view> TextList(int base, int offset, int count);

}  // namespace lumtar::texts
