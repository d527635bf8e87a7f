#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::app {

// The settings file: lum.ini in the program directory (the start
// configuration) and the construction data files "*.lum" share one format
// of 18 positional lines and the sections "[Farben]" (the twelve colours),
// "[Zeiten]" (the hour-line times) and "[Datumslinien]" (the user's date
// lines). Files are Windows-1252 with CR LF; the model holds UTF-8.

// Which file is read. Only the start configuration is ever offered to be
// created or corrected, and only after the user says yes; a construction
// data file that the user loads is never written.
enum class SettingsSource { kStartConfiguration, kConstructionData };

// kStartConfiguration for a file named lum.ini (in any case), else
// kConstructionData.
SettingsSource SettingsSourceOf(const std::filesystem::path& file);

enum class SettingsReadStatus {
  kRead,        // read; every bad value took its fallback
  kMissing,     // the file does not exist
  kUnreadable,  // the file exists but cannot be read
  kDamaged,     // sections missing or out of order, or 25 lines or fewer:
                // nothing was taken from the file
};

struct SettingsReadReport {
  SettingsReadStatus status = SettingsReadStatus::kRead;
  // 1-based numbers of the lines whose values failed their checks, in
  // ascending order.
  std::vector<int> bad_lines;
  bool rewritten = false;  // the file was created or corrected on a yes
};

// Reads `file` into the model. Every value is checked against its range; a
// bad one takes its fallback, is announced with the line message (Error
// caption) and reading goes on. For the start configuration one question
// follows at the end, naming the first bad line: Yes copies the file to
// "lum_ini.bak" beside it and, when that worked, writes the corrected
// values. A missing lum.ini is offered to be created with the built-in
// defaults; a damaged one to be replaced by them (the defaults are applied
// only on Yes). Colours and date lines are taken only when their flags are
// set. Afterwards the colour-role block and the obliquity of the year are
// brought up to date.
SettingsReadReport ReadSettingsFile(const std::filesystem::path& file,
                                    SettingsSource source, model::Model& model,
                                    platform::Ui& ui, bool read_colours = true,
                                    bool read_date_lines = true);

// The part of ReadSettingsFile that interprets the lines (UTF-8) of a file
// called `file_name`: line messages, fallbacks and derived values, but no
// question and no writing. A damaged file (status kDamaged) leaves the
// model unchanged.
SettingsReadReport ReadSettingsLines(const std::vector<std::string>& lines,
                                     std::string_view file_name,
                                     model::Model& model, platform::Ui& ui,
                                     bool read_colours = true,
                                     bool read_date_lines = true);

// All lines of a settings file for the model (UTF-8). With
// `keep_colours_of` naming an existing settings file, the twelve colour
// lines after its "[Farben]" are written instead of the model's colours (a
// line that is missing or not a colour gives 255); when that file cannot be
// read or has no "[Farben]", "Ursprüngliche Farbeinstellung nicht
// gefunden!" is shown (Information) and the model's colours are written.
// Only date lines that pass IsDateLine are written.
std::vector<std::string> WriteSettingsLines(
    const model::Model& model, platform::Ui& ui,
    const std::filesystem::path* keep_colours_of = nullptr);

// Writes the settings file atomically (a failed save leaves the previous
// file untouched) and reports the file name with " saved!" (Information)
// or with "Could not save INI-file!" (Error). Returns true when saved.
bool WriteSettingsFile(const std::filesystem::path& file,
                       const model::Model& model, platform::Ui& ui,
                       const std::filesystem::path* keep_colours_of = nullptr);

// The built-in defaults of the site, the dial values, the line options and
// the hour-line times ("Load Default Values"). The dial kind and its
// umbrella, altitude and cylinder selectors, the palette, the language and
// switches, the date lines and the sixth interval digit of the hour-line
// times keep their values; the ring dial's band holes are set from the
// obliquity of the default year.
void ResetSettingsToDefaults(model::Model& model);

// The values that follow from others: ColourRoleBlock from DialKind and
// Obliquity (rounded to 0.01 degree) from Year. Call after changing either.
void UpdateDerivedValues(model::Model& model);

// True when `entry` starts with a date "dd/mm" (two digits each) of a day
// that exists in some year (29/02 included).
bool IsDateLine(std::string_view entry);

// The date-line file "lum_days.ini" of the program directory.
std::filesystem::path DateLinesPath();

// Writes the model's date lines (those that pass IsDateLine) to `file`,
// atomically, with the messages of WriteSettingsFile. Returns true when
// saved.
bool SaveDateLinesFile(const std::filesystem::path& file,
                       const model::Model& model, platform::Ui& ui);

// Replaces the model's date lines by those of `file` when it exists (a line
// that is not a date is announced and skipped; blank lines are skipped).
// Returns true when the file was read; a missing file changes nothing.
bool LoadDateLinesFile(const std::filesystem::path& file, model::Model& model,
                       platform::Ui& ui);

}  // namespace lumtar::app
