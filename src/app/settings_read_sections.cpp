// Reading the settings file: the colours, the hour-line times and the
// date lines.

#include <string>

#include "app/settings_file.h"
#include "app/settings_reader.h"

namespace lumtar::app::settings_reading {

void SettingsReader::ReadColours(int section, int end) {
  const model::ColorTable defaults = model::kDefaultColors;
  for (int k = 0; k < kColourLines; ++k) {
    const int index = section + 1 + k;
    if (index >= end) {
      // The section is short: the line found here is not a colour; the
      // missing colours keep their values.
      Bad(index, index < static_cast<int>(lines_.size()) ? lines_[index] : "");
      return;
    }
    const auto v = AsInteger(TrimBlanks(lines_[index]));
    m_.Colors[k] = static_cast<std::uint32_t>(Checked(
        v, ranges::kColour, defaults[k], defaults[k], index, lines_[index]));
  }
}

void SettingsReader::ReadTimes(int section, int end) {
  model::HourLineTimes& t = m_.times;
  struct TimeLine {
    std::int32_t model::HourLineTimes::*value;
    ValueRange range;
    int fallback;
  };
  namespace r = ranges;
  using H = model::HourLineTimes;
  const TimeLine kLines[] = {
      {&H::MeanHoursFrom, r::kClockHour, 8},
      {&H::MeanHoursTo, r::kClockHour, 18},
      {&H::BabylonianFrom, r::kClockHour, 0},
      {&H::BabylonianTo, r::kClockHour, 12},
      {&H::ItalianFrom, r::kClockHour, 18},
      {&H::ItalianTo, r::kClockHour, 24},
      {&H::PlanarTemporalFrom, r::kTemporalHour, 1},
      {&H::PlanarTemporalTo, r::kTemporalHour, 11},
      {&H::AltitudeLinesFrom, r::kAltitudeLimit, 10},
      {&H::AltitudeLinesTo, r::kAltitudeLimit, 70},
      {&H::HourLinesFrom, r::kClockHour, 8},
      {&H::HourLinesTo, r::kClockHour, 18},
      {&H::TemporalHoursFrom, r::kTemporalHour, 1},
      {&H::TemporalHoursTo, r::kTemporalHour, 12},
  };
  const H defaults;
  bool reported_short = false;
  for (int k = 0; k < kTimeLines - 1; ++k) {
    const TimeLine& tl = kLines[k];
    const int index = section + 1 + k;
    if (index >= end) {
      // Missing lines take their fallbacks; the line found in their place
      // is reported once.
      if (!reported_short)
        Bad(index,
            index < static_cast<int>(lines_.size()) ? lines_[index] : "");
      reported_short = true;
      t.*tl.value = tl.fallback;
      continue;
    }
    t.*tl.value = static_cast<std::int32_t>(
        Checked(AsInteger(TrimBlanks(lines_[index])), tl.range, tl.fallback,
                defaults.*tl.value, index, lines_[index]));
  }
  // The interval digits; a shorter line sets only the digits it has.
  const int index = section + kTimeLines;
  if (index >= end) return;
  std::string_view digits = lines_[index];
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  struct IntervalDigit {
    std::uint8_t H::*value;
    bool minutes;  // an hour-line interval (60 .. 10 min)
    ValueRange range;
  };
  const IntervalDigit kDigits[] = {
      {&H::BabylonianSubdivisions, true, r::kHourInterval},
      {&H::ItalianSubdivisions, true, r::kHourInterval},
      {&H::PlanarTemporalSubdivisions, false, r::kTemporalInterval},
      {&H::AltitudeLineStep, false, r::kAltitudeStep},
      {&H::HourSubdivisions, true, r::kHourInterval},
      {&H::TemporalSubdivisions, false, r::kTemporalInterval},
  };
  bool bad = false;
  for (std::size_t i = 0; i < std::size(kDigits) && i < digits.size(); ++i) {
    const IntervalDigit& d = kDigits[i];
    const auto v =
        d.minutes ? HourIntervalDigit(digits[i]) : DigitIn(digits[i], d.range);
    if (v) {
      t.*d.value = static_cast<std::uint8_t>(*v);
    } else {
      t.*d.value = defaults.*d.value;
      bad = true;
    }
  }
  if (bad) Bad(index, lines_[index]);
}

void SettingsReader::ReadDateLines(int section) {
  m_.DateLineList.clear();
  for (std::size_t i = static_cast<std::size_t>(section) + 1; i < lines_.size();
       ++i) {
    const std::string& line = lines_[i];
    if (TrimBlanks(line).empty()) continue;
    if (IsDateLine(line)) {
      m_.DateLineList.push_back(line);
      continue;
    }
    bad_.insert(static_cast<int>(i) + 1);
    Show(std::string(texts::RawText(1650, m_.Language)) + Cut(line) + " in " +
         std::string(file_name_));
  }
}

}  // namespace lumtar::app::settings_reading
