#pragma once

#include <string>
#include <vector>

#include "dials/hour_line_angles.h"
#include "model/model.h"
#include "platform/printer.h"
#include "platform/ui.h"

namespace lumtar::app {

// The lists of the construction window's panels for the plain planar
// dials: the hour-line angle table laid out in its grid, and the style
// information, each with its printout.

// The grid of the angle table: one row per hour (two rows with 10-minute
// steps), the steps of the hour in up to four column groups of three
// cells (time "h:mm", angle, tangent); empty cells are "".
struct AngleGrid {
  std::vector<std::string> headings;           // 12: "Time [hh;mm]", ...
  std::vector<std::vector<std::string>> rows;  // 12 cells each
};
AngleGrid LayOutAngleGrid(const dials::HourLineAngleTable& table,
                          texts::Language language);

// The style information of a plain planar dial, for a gnomon of
// GnomonHeight x Zoom rounded to 0.01 mm: the gnomon height, the style's
// length and the distance of its foot point from the gnomon foot, then
// the angles of the substyle, the style and the noon line and the time of
// the shadow on the substyle. Empty for other kinds.
std::vector<std::string> StyleInformationLines(const model::Model& model);

// "&Print Info": the lines in Courier 11 between two lines of 80 "-".
// "Error - Printing cancelled !" and false when the printer fails.
bool PrintStyleInformation(const std::vector<std::string>& lines,
                           platform::Printer& printer, platform::Ui& ui,
                           texts::Language language);

// "&Print" while the angle table is shown: the title centred at x = 900,
// y = 145 in height 48, the style lines, the sunshine text, a legend and
// the grid in bold fixed-pitch "MS Serif" of height 40 (0.1 mm units).
bool PrintAngleList(const dials::HourLineAngleTable& table,
                    platform::Printer& printer, platform::Ui& ui,
                    texts::Language language);

}  // namespace lumtar::app
