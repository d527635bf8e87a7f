#pragma once

#include <string_view>

#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::platform {

// The message-box caption text of `caption` in `language`, from the caption
// pairs of the language tables.
std::string_view CaptionText(Caption caption, texts::Language language);

}  // namespace lumtar::platform
