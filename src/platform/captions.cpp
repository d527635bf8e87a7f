#include "platform/captions.h"

#include "texts/captions.h"

namespace lumtar::platform {

std::string_view CaptionText(Caption caption, texts::Language language) {
  texts::CaptionPair pair = texts::CaptionPair::kWarning;
  switch (caption) {
    case Caption::kWarning:
      pair = texts::CaptionPair::kWarning;
      break;
    case Caption::kError:
      pair = texts::CaptionPair::kError;
      break;
    case Caption::kInformation:
      pair = texts::CaptionPair::kInformation;
      break;
    case Caption::kProblem:
      pair = texts::CaptionPair::kProblem;
      break;
    case Caption::kQuestion:
      pair = texts::CaptionPair::kQuestion;
      break;
  }
  return texts::CaptionPairText(pair, language);
}

}  // namespace lumtar::platform
