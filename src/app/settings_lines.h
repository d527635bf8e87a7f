#pragma once

// Pieces of the settings-file format shared by its reader and writer.

#include <string>
#include <string_view>
#include <vector>

#include "model/line_options.h"

namespace lumtar::app::settings_lines {

inline constexpr std::string_view kColoursSection = "[Farben]";
inline constexpr std::string_view kTimesSection = "[Zeiten]";
inline constexpr std::string_view kDateLinesSection = "[Datumslinien]";

inline constexpr int kPositionalLines = 18;
inline constexpr int kLineOptionsLength = 38;
inline constexpr int kColourLines = 12;
inline constexpr int kTimeLines = 15;  // 14 numbers and the interval digits
// A file of this many lines or fewer is damaged as a whole.
inline constexpr int kMinimumLines = 25;

// The positions of the line options in line 9 that hold a flag ("j"/"n"),
// with their option. Positions 36 and 37 are read only when present.
struct FlagPosition {
  int position;
  bool model::LineOptions::*option;
};
inline constexpr FlagPosition kFlagPositions[] = {
    {2, &model::LineOptions::HourLinesToFootPoint},
    {3, &model::LineOptions::OptionFlag3},
    {4, &model::LineOptions::ShowHourLines},
    {5, &model::LineOptions::ShowAnalemmaMarks},
    {6, &model::LineOptions::ShowBabylonianHours},
    {7, &model::LineOptions::ShowItalianHours},
    {8, &model::LineOptions::ShowAltitudeLines},
    {9, &model::LineOptions::ShowTemporalHours},
    {10, &model::LineOptions::QuadrantMirrored},
    {11, &model::LineOptions::ConstructWithEoT},
    {13, &model::LineOptions::JanuaryOutside},
    {14, &model::LineOptions::ApparentAtSite},
    {15, &model::LineOptions::FullYearScale},
    {16, &model::LineOptions::HourLinesMeanTime},
    {19, &model::LineOptions::HidokeiVerticalFace},
    {20, &model::LineOptions::OneHourLineBand},
    {21, &model::LineOptions::HourLinesLocalMeridian},
    {22, &model::LineOptions::ShowPoleTriangle},
    {23, &model::LineOptions::ShowMeanHourLines},
    {25, &model::LineOptions::ShowAnalemmaMarks},  // same option as 5
    {26, &model::LineOptions::AzimuthDateCircles},
    {28, &model::LineOptions::NoonLineHorizontal},
    {30, &model::LineOptions::OptionFlag30},
    {31, &model::LineOptions::SecondPlaneEnabled},
    {36, &model::LineOptions::OptionFlag36},
    {37, &model::LineOptions::ExtendTemporalHours},
};
// Shorter lines 9 than this are damaged; the positions from here on were
// added later and take their own values when missing.
inline constexpr int kRequiredLineOptions = 32;

inline char FlagChar(bool on) { return on ? 'j' : 'n'; }

// The digit of a small number; a value that one digit cannot hold is
// written as "0", which the reader then refuses or accepts by its rule.
inline char DigitChar(int value) {
  return value >= 0 && value <= 9 ? static_cast<char>('0' + value) : '0';
}

// The runs of "-", "." and digits in `line`, in order: the number fields of
// a positional line whatever separates them.
std::vector<std::string_view> NumberRuns(std::string_view line);

// `text` without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

}  // namespace lumtar::app::settings_lines
