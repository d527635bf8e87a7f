#pragma once

#include <array>
#include <string_view>

#include "texts/language.h"

namespace lumtar::texts {

// The caption pairs: the message-box captions and the titles of the file
// dialogs, then the captions of the main menu.
enum class CaptionPair {
  kWarning = 0,           // "LUMTAR.EXE - Warning!"
  kError = 1,             // "LUMTAR.EXE - Error!"
  kInformation = 2,       // "LUMTAR.EXE - Information!" (both languages)
  kProblem = 3,           // "LUMTAR.EXE - Problem!" (both languages)
  kQuestion = 4,          // "LUMTAR.EXE - Question"
  kSaveGraphicsFile = 5,  // "LUMTAR.EXE - Save as Graphics File"
  kSaveConstruction = 6,  // "LUMTAR.EXE - Save Construction Data"
  kLoadConstruction = 7,  // "LUMTAR.EXE - Load Construction Data"
  kSaveTable = 8,         // "LUMTAR.EXE - Save Table"
};

std::string_view CaptionPairText(CaptionPair pair, Language language);

// The main menu has 45 captions, numbered 1..45 in traversal order: each
// top-level item, then each of its sub-items that is not a separator, each
// followed by its own sub-items ("  &Files  " is 1, "&About" is 45).
inline constexpr int kMenuCaptionCount = 45;
std::string_view MenuCaption(int item, Language language);
std::array<std::string_view, kMenuCaptionCount> MenuCaptions(Language language);

}  // namespace lumtar::texts
