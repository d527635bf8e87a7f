#pragma once

#include "dials/construction_io.h"
#include "dials/planar_construction.h"
#include "model/model.h"
#include "output/plot_file.h"
#include "platform/canvas.h"
#include "platform/ui.h"

namespace lumtar::dials {

// The planar dials ('h', 'v', 'i', plain and umbrella): one entry point per
// output, both built on the same line families (planar_construction.h).

// Draws the construction on the window's image or a printer page, in the
// order of the drawing steps: frame, grid, horizon, centre marks and data
// block, hour numbers, legend, sunshine and date lines, gnomon legend,
// hour lines, the other hour systems and altitude lines, the style, the
// page margins and the sunshine text. The gnomon foot is the picked
// origin (scaled from the image to the printer page) or the kind's own
// place. Writes back Zoom (the gnomon floor) and the hour-line angle
// table. False, with nothing drawn, for an image smaller than 1 x 1 or a
// construction the umbrella checks refuse.
bool DrawPlanarDial(platform::Canvas& canvas, model::Model& model,
                    const DrawTarget& target, platform::Ui& ui);

// Writes the construction into the plot file: frame header, grid,
// labels, horizon, date lines, the input window of the sunlit part, the
// hour systems and hour lines, the analemma marks as circles, the gnomon
// foot and the substyle. At fine resolution (HpglMode::kForDxf) every
// length is 25 times larger. False, with only the frame written, when the
// umbrella checks refuse.
bool PlotPlanarDial(output::PlotFile& plot, model::Model& model,
                    platform::Ui& ui, const PlotRequest& request);

// The gnomon foot the plot writer uses, in plot units (y up) at
// `multiplier`: x = 8200 and, for 'v', y = 11000 with x moved by +-2400
// for walls turned more than 50 degrees; for 'h' and 'i' y = 2500 beyond
// 49 degrees of (equivalent) latitude, 4000 beyond 30, else 5500, and
// 1500 beyond 50 degrees when 3000 is less than the gnomon; mirrored to
// 11000 - y south of the equator.
Point PlanarPlotOrigin(char kind, double wall_declination, double phi_e,
                       double gnomon_units, int multiplier);

}  // namespace lumtar::dials
