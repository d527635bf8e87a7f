#include "platform/captions.h"

namespace lumtar::platform {

std::string_view CaptionText(Caption caption, texts::Language language) {
  const bool german = language == texts::Language::kGerman;
  switch (caption) {
    case Caption::kWarning:
      return german ? "LUMTAR.EXE - Warnung!" : "LUMTAR.EXE - Warning!";
    case Caption::kError:
      return german ? "LUMTAR.EXE - Fehler!" : "LUMTAR.EXE - Error!";
    case Caption::kInformation:
      return "LUMTAR.EXE - Information!";
    case Caption::kProblem:
      return "LUMTAR.EXE - Problem!";
    case Caption::kQuestion:
      return german ? "LUMTAR.EXE - Was nun?" : "LUMTAR.EXE - Question";
  }
  return {};
}

}  // namespace lumtar::platform
