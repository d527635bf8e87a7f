#include "app/catalogue_rules.h"

#include <cmath>

#include "app/palette.h"
#include "astro/calendar.h"
#include "astro/field_readers.h"
#include "astro/pascal_math.h"
#include "model/catalogue.h"
#include "texts/text_table.h"

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

namespace {

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

DeclinationDate MakeDate(int day, int month, int year, std::string label) {
  // The day count follows the calendar date also before 1582.
  const int count = static_cast<int>(astro::JulianDayNumber(day, month, year) -
                                     astro::JulianDayNumber(0, 1, year));
  return {day, month, count, std::move(label)};
}

}  // namespace

std::vector<DeclinationDate> DeclinationLineDates(const model::Model& model,
                                                  platform::Ui& ui) {
  const int year = model.parameters.Year;
  std::vector<DeclinationDate> dates;
  switch (model.options.DateLineMode) {
    case '0': {
      const int zodiac[][2] = {{21, 6},  {22, 7},  {23, 8}, {22, 9},
                               {23, 10}, {22, 11}, {22, 12}};
      for (const auto& z : zodiac)
        dates.push_back(
            MakeDate(z[0], z[1], year,
                     std::to_string(z[0]) + "." + std::to_string(z[1]) + "."));
      break;
    }
    case '1':
      dates.push_back(MakeDate(22, 6, year, "22.6."));
      for (int m = 7; m <= 12; ++m) {
        dates.push_back(MakeDate(7, m, year, " 7." + std::to_string(m) + "."));
        dates.push_back(MakeDate(22, m, year, "22." + std::to_string(m) + "."));
      }
      break;
    case '2': {
      for (const std::string& entry : model.DateLineList) {
        // Day in characters 1-2, month in characters 4-5.
        const int d = entry.size() >= 2
                          ? astro::ParseInteger(entry.substr(0, 2)).value_or(0)
                          : 0;
        const int m = entry.size() >= 5
                          ? astro::ParseInteger(entry.substr(3, 2)).value_or(0)
                          : 0;
        const bool ok =
            m >= 1 && m <= 12 && d >= 1 && d <= astro::DaysInMonth(m, year);
        if (!ok) {
          ui.Message(platform::Caption::kError,
                     entry + " : " +
                         (model.Language == texts::Language::kGerman
                              ? "Fehler im Datum!"
                              : "Error in date!"));
          continue;
        }
        dates.push_back(
            MakeDate(d, m, year, TwoDigits(d) + "." + TwoDigits(m) + "."));
      }
      if (model.DateLineList.empty()) {
        dates.push_back(MakeDate(21, 6, year, "21.06."));
        dates.push_back(MakeDate(23, 9, year, "23.09."));
        dates.push_back(MakeDate(21, 12, year, "21.12."));
      }
      break;
    }
    default:
      break;
  }
  return dates;
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
