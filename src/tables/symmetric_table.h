#pragma once

#include <string>

#include "model/model.h"
#include "platform/printer.h"
#include "platform/ui.h"
#include "tables/table.h"

namespace lumtar::tables {

// Lines per circle of true longitude offered for the symmetric table, by
// list index: "72  Werte/Jahr" ... "288 Werte/Jahr", and 360 for the
// seventh index. Other indexes give 72.
int SymmetricLinesForIndex(int list_index);

// The equation of time against the sun's true longitude L and its
// symmetric approximation, for the model's Year, from EotByLongitudeTable
// with `lines` steps per circle (computed first, always for this year):
// a heading, the column line, and one row for each i = N/4 .. 3N/4 with
// L1 = i 360/N, its partner L2 = 180 - L1 of equal declination, the
// declination, both equations of time (seconds), their antisymmetric
// halves (min:sec), the error of the approximation (whole seconds) and
// the Kepler comparison value. Fields are joined by `separator` ("/" on
// screen, ";" or "," for CSV), so every row is also split into cells.
TableText BuildSymmetricEotTable(const model::Model& model, int lines,
                                 char separator);

// Prints all N + 1 rows of the table directly (portrait, bold fixed-pitch
// "MS Serif", a heading on each page, 63 rows per page). False, after
// MessageTable entry 42, when printing failed.
bool PrintSymmetricEotTable(const model::Model& model, int lines,
                            platform::Printer& printer, platform::Ui& ui);

// The save button of the symmetric table: a save dialog ("EoT-Paare",
// text or CSV by the extension chosen), the table written atomically in
// Windows-1252 with CR LF, then the name + " saved!"; a cancel says
// "Action cancelled!", a failure "Save error: File  " + name.
bool SaveSymmetricEotTable(const model::Model& model, int lines,
                           platform::Ui& ui);

}  // namespace lumtar::tables
