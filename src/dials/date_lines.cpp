#include "dials/date_lines.h"

#include "astro/calendar.h"
#include "astro/field_readers.h"
#include "texts/text_table.h"

namespace lumtar::dials {

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

}  // namespace lumtar::dials
