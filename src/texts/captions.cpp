#include "texts/captions.h"

#include "texts/text_data.h"

namespace lumtar::texts {
namespace {

// Menu item k is caption pair 100 + k.
constexpr int kFirstMenuId = 100;

}  // namespace

std::string_view CaptionPairText(CaptionPair pair, Language language) {
  return EntryText(TableId::kCaption, static_cast<int>(pair), language);
}

std::string_view MenuCaption(int item, Language language) {
  return EntryText(TableId::kCaption, kFirstMenuId + item, language);
}

std::array<std::string_view, kMenuCaptionCount> MenuCaptions(
    Language language) {
  std::array<std::string_view, kMenuCaptionCount> captions;
  for (int item = 1; item <= kMenuCaptionCount; ++item)
    captions[item - 1] = MenuCaption(item, language);
  return captions;
}

}  // namespace lumtar::texts
