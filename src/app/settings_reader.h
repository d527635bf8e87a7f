#pragma once

// The reader of the settings-file lines, shared by the files that implement
// it (settings_read.cpp: the positional lines, settings_read_sections.cpp:
// the sections). Not for use elsewhere: call ReadSettingsLines.

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings_lines.h"
#include "app/value_ranges.h"
#include "astro/field_readers.h"
#include "model/model.h"
#include "platform/ui.h"
#include "texts/text_table.h"

namespace lumtar::app::settings_reading {

using settings_lines::kColourLines;
using settings_lines::kColoursSection;
using settings_lines::kDateLinesSection;
using settings_lines::kFlagPositions;
using settings_lines::kMinimumLines;
using settings_lines::kPositionalLines;
using settings_lines::kRequiredLineOptions;
using settings_lines::kTimeLines;
using settings_lines::kTimesSection;
using settings_lines::NumberRuns;
using settings_lines::TrimBlanks;

// A damaged file would otherwise flood the user with messages; the lines
// beyond these still count as bad lines.
inline constexpr int kMaxLineMessages = 20;
// Longer field texts are cut in messages.
inline constexpr std::size_t kMaxMessageText = 80;

// How the line message names its place.
enum class Place {
  kInLine,     // "In Line " index ":" text
  kLine,       // "Line " index ":" text (the cone axis of line 7)
  kLineField,  // "Line " 1-based number "/" field number (lines 15, 16)
};

inline std::string Cut(std::string_view text) {
  if (text.size() <= kMaxMessageText) return std::string(text);
  std::size_t n = kMaxMessageText;
  // Do not split a UTF-8 character.
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return std::string(text.substr(0, n)) + "...";
}

inline std::optional<double> AsReal(std::string_view text) {
  return astro::ParseDecimal(text);
}

inline std::optional<double> AsInteger(std::string_view text) {
  const auto v = astro::ParseInteger(text);
  if (!v) return std::nullopt;
  return *v;
}

// The digit `c` when it lies in `range`.
inline std::optional<int> DigitIn(char c, ValueRange range) {
  if (c < '0' || c > '9') return std::nullopt;
  const int d = c - '0';
  if (!range.Contains(d)) return std::nullopt;
  return d;
}

// An hour-line interval digit: 0..4, the legacy 5 and 6 also mean 10 min.
inline std::optional<int> HourIntervalDigit(char c) {
  if (c == '5' || c == '6') return 4;
  return DigitIn(c, ranges::kHourInterval);
}

// A magnitude below 1e-6 becomes 1e-6 (the constructions divide by it).
inline double LatitudeFloor(double latitude) {
  return std::fabs(latitude) < 1e-6 ? 1e-6 : latitude;
}

class SettingsReader {
 public:
  SettingsReader(const std::vector<std::string>& lines,
                 std::string_view file_name, model::Model& model,
                 platform::Ui& ui)
      : lines_(lines), file_name_(file_name), m_(model), ui_(ui) {}

  void ReadPositional(int end);
  void ReadColours(int section, int end);
  void ReadTimes(int section, int end);
  void ReadDateLines(int section);

  std::vector<int> BadLines() const {
    return std::vector<int>(bad_.begin(), bad_.end());
  }

 private:
  // Line `index`, or "" when it lies at or beyond `positional_end_`.
  std::string_view Line(int index) const {
    return index < positional_end_ ? std::string_view(lines_[index])
                                   : std::string_view();
  }

  void Show(std::string text) {
    if (++messages_ <= kMaxLineMessages)
      ui_.Message(platform::Caption::kError, text);
  }

  // A bad value in line `index` (0-based): the line message and a file
  // error.
  void Bad(int index, std::string_view text, Place place = Place::kInLine,
           int field = 0) {
    bad_.insert(index + 1);
    const texts::Language l = m_.Language;
    std::string msg;
    switch (place) {
      case Place::kInLine:
        msg = std::string(texts::RawText(1654, l)) + std::to_string(index) +
              ":" + Cut(text);
        break;
      case Place::kLine:
        msg = std::string(texts::RawText(1653, l)) + std::to_string(index) +
              ":" + Cut(text);
        break;
      case Place::kLineField:
        msg = std::string(texts::RawText(1653, l)) + std::to_string(index + 1) +
              "/" + std::to_string(field + 1);
        break;
    }
    Show(msg + std::string(texts::RawText(1652, l)));
  }

  // Field `field` of the runs: its text, or the whole line when missing.
  std::string_view FieldText(int index,
                             const std::vector<std::string_view>& runs,
                             int field) const {
    return field < static_cast<int>(runs.size()) ? runs[field] : Line(index);
  }

  // The value when it is readable and in range; else `fallback` (the
  // built-in default when the fallback itself lies outside the range), with
  // the line message and a file error.
  double Checked(std::optional<double> value, ValueRange range, double fallback,
                 double builtin, int index, std::string_view text,
                 Place place = Place::kInLine, int field = 0) {
    if (value && range.Contains(*value)) return *value;
    Bad(index, text, place, field);
    return range.Contains(fallback) ? fallback : builtin;
  }

  double RealField(int index, const std::vector<std::string_view>& runs,
                   int field, ValueRange range, double fallback, double builtin,
                   Place place = Place::kInLine) {
    const std::optional<double> v = field < static_cast<int>(runs.size())
                                        ? AsReal(runs[field])
                                        : std::nullopt;
    return Checked(v, range, fallback, builtin, index,
                   FieldText(index, runs, field), place, field);
  }

  int IntField(int index, const std::vector<std::string_view>& runs, int field,
               ValueRange range, int fallback, int builtin,
               Place place = Place::kInLine) {
    const std::optional<double> v = field < static_cast<int>(runs.size())
                                        ? AsInteger(runs[field])
                                        : std::nullopt;
    return static_cast<int>(Checked(v, range, fallback, builtin, index,
                                    FieldText(index, runs, field), place,
                                    field));
  }

  void ReadLineOptions();
  void ReadDialKind();
  void ReadLanguage();
  void ReadWindowSize();
  void ReadUmbrellaAndRing();

  const std::vector<std::string>& lines_;
  std::string_view file_name_;
  model::Model& m_;
  platform::Ui& ui_;
  int positional_end_ = 0;
  int messages_ = 0;
  std::set<int> bad_;
};

}  // namespace lumtar::app::settings_reading
