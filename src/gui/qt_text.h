#pragma once

#include <QString>
#include <string_view>

#include "texts/language.h"
#include "texts/text_table.h"

namespace lumtar::gui {

// The core's UTF-8 text as a QString.
inline QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Text `id` of the language tables in `language`, as it stands.
inline QString Text(int id, texts::Language language) {
  return Q(texts::RawText(id, language));
}

}  // namespace lumtar::gui
