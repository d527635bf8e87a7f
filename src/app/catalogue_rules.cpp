#include "app/catalogue_rules.h"

#include <cmath>

#include "app/palette.h"
#include "astro/pascal_math.h"
#include "model/catalogue.h"

namespace lumtar::app {

std::vector<int> VisibleKindEntries(bool expert_mode) {
  std::vector<int> entries;
  for (const auto& e : model::kKindEntries)
    if (expert_mode || !e.expert_only) entries.push_back(e.entry);
  return entries;
}

void SelectKindEntry(model::Model& model, int entry, int umbrella_plane) {
  if (entry < 0 || entry >= static_cast<int>(model::kKindEntries.size()))
    return;
  const model::KindEntry& e = model::kKindEntries[entry];
  if (entry == model::kUmbrellaEntry) {
    model.selectors.UmbrellaFlag = 1;
    model.DialKind = model::UmbrellaPlaneKind(umbrella_plane);
  } else {
    model.selectors.UmbrellaFlag = 0;
    model.DialKind = e.kind;
  }
  if (model.DialKind == 'v' && entry == 1) model.parameters.Inclination = 90;
  if (!model.ExpertMode) {
    model.selectors.AltitudeVariant = 0;
    model.selectors.CylinderVariant = 0;
  }
  UpdateColourRoleBlock(model);
}

bool ApplyExpertModeToKind(model::Model& model) {
  if (model.ExpertMode || (model.DialKind != 'c' && model.DialKind != 'm'))
    return false;
  model.DialKind = 'h';
  UpdateColourRoleBlock(model);
  return true;
}

char DateLineModeOfListIndex(int index) {
  if (index == 4) return '2';
  if (index < 0 || index > 3) return '0';
  return static_cast<char>('0' + index);
}

void SetSawyerTimeMode(model::Model& model, int mode) {
  auto& o = model.options;
  model.parameters.SawyerTimeMode = static_cast<std::uint8_t>(mode);
  o.SawyerStraightMeanLines = mode == 3;
  o.SawyerCurvedMeanLines = mode == 2;
  o.HourTimeKind = mode == 1 ? 1 : 0;
  o.ConstructWithEoT = mode == 2 || mode == 3;
}

double HabermelDiameterFromGnomon(double gnomon, int variant, double latitude,
                                  double obliquity) {
  const double a = 90 - std::fabs(latitude);
  if (variant == 2) return astro::TanDeg(a + obliquity) * 2 * gnomon + 15;
  return (astro::TanDeg(a - obliquity) + astro::TanDeg(a + obliquity)) *
             gnomon +
         15;
}

double HabermelGnomonFromDiameter(double diameter, int variant, double latitude,
                                  double obliquity) {
  // The inverse of HabermelDiameterFromGnomon, with |latitude| in both.
  const double a = 90 - std::fabs(latitude);
  if (variant == 2) return (diameter - 15) / (2 * astro::TanDeg(a + obliquity));
  return (diameter - 15) /
         (astro::TanDeg(a - obliquity) + astro::TanDeg(a + obliquity));
}

int MaxShadowLengthOf(int gnomon, double latitude, double obliquity) {
  return static_cast<int>(std::nearbyint(
      gnomon * astro::TanDeg(90 - std::fabs(latitude) + obliquity)));
}

}  // namespace lumtar::app
