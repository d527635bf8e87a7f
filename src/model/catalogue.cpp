#include "model/catalogue.h"

namespace lumtar::model {

int KindToEntry(char kind, bool umbrella) {
  if (umbrella) return kUmbrellaEntry;
  for (const KindEntry& e : kKindEntries) {
    if (e.entry != kUmbrellaEntry && e.kind == kind) return e.entry;
  }
  return kSunCompassEntry;
}

char UmbrellaPlaneKind(int index) {
  switch (index) {
    case 1:
      return 'i';
    case 2:
      return 'v';
    default:
      return 'h';
  }
}

int UmbrellaPlaneIndex(char kind) {
  return kind == 'i' ? 1 : (kind == 'v' ? 2 : 0);
}

ParameterPage PageOfKind(char kind, bool umbrella, bool expert_mode) {
  if (umbrella) return ParameterPage::kUmbrella;
  if (kind == 'm' && !expert_mode) return ParameterPage::kPlanar;
  if (kind == 's') return ParameterPage::kNone;
  for (const KindEntry& e : kKindEntries) {
    if (e.entry != kUmbrellaEntry && e.kind == kind) return e.page;
  }
  return ParameterPage::kNone;
}

}  // namespace lumtar::model
