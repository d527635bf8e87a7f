#pragma once

#include <memory>
#include <vector>

#include "dials/hour_line_angles.h"
#include "dials/pen_sink.h"
#include "dials/planar_geometry.h"
#include "dials/planar_lines.h"
#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::dials {

// What the screen drawer, the printer and the plot writer of the planar
// dials share: the checks before a construction, its preparation, the
// line families in one list, and which colour and pen each line role
// takes. Device units, y downward (the plot writer mirrors y).

// The umbrella dials' checks: a disk ratio of 0 is refused ("Circle radius
// = 0  is not allowed"); an inclined umbrella dial with an inclination of
// 90 degrees or more, or with tan(inclination) >= 1 / |ratio|, is refused
// ("This plane inclinition is not possible for the given disk radius !").
// True when the construction may go on; plain dials always may.
bool UmbrellaDialAllowed(const model::Model& model, platform::Ui& ui);

// One prepared construction.
struct PlanarConstruction {
  PlanarSetup setup;
  HourLineAngleTable table;  // computed for this construction
  double gnomon_mm = 0;      // the drawn gnomon height g_d (zoomed, >= 5)
  double units_per_mm = 1;   // device units per millimetre of the drawing
  // Hour lines sampled while tracing, for the families that trace them
  // again; shared by copies of the construction (same setup).
  std::shared_ptr<HourLineSamples> hour_lines;
};

// Prepares a construction on the drawing rectangle `rect` with
// `units_per_mm` device units per millimetre and the gnomon foot `origin`:
// keeps Zoom within 1/64..64 and applies the 5 mm gnomon floor (both
// written back to model.window.Zoom), lifts a horizontal dial's latitude
// off zero (to 1e-6, written back), and recomputes the hour-line angle
// table, whose angles and sunshine limits are written back to
// model.window before every draw, print and plot.
PlanarConstruction PreparePlanarConstruction(model::Model& model,
                                             const Rect& rect,
                                             double units_per_mm, Point origin);

// The gnomon foot and the text box where the construction window puts
// them for a planar kind on an image of w x h: O x = (w + 1) / 2, y =
// (w + 1) / 32 on vertical dials, else 3h / 4 beyond 30 degrees of
// latitude and (h + 1) / 2 otherwise, mirrored for southern latitudes;
// the text box at (3w / 8, h / 25), on vertical dials (3w / 8, 0.85 h),
// for southern latitudes at y = h - w / 10.
Point DefaultOrigin(char kind, double latitude, int w, int h);
Point DefaultLabelBox(char kind, double latitude, int w, int h);

// The line families, each traced only when the model's options ask for it.
enum class PlanarFamily {
  kSunshine,           // window.ShowSunshineLines
  kDeclination,        // DateLineMode other than "3"
  kApparentHours,      // ShowHourLines
  kFootPointLines,     // ShowHourLines and HourLinesToFootPoint, plain dials
  kMeanHours,          // ShowMeanHourLines
  kAnalemma,           // ShowAnalemmaMarks: the figure-eight and its marks
  kTemporalHours,      // ShowTemporalHours (limit 66 degrees)
  kBabylonianItalian,  // ShowBabylonianHours, ShowItalianHours (limit 65)
  kAltitudeLines,      // ShowAltitudeLines
  kHorizon,            // vertical and inclined planes
  kPoleTriangle,       // ShowPoleTriangle, plain dials
};

// Traces one family into `pen`. The latitude limits are those of the
// families themselves, so screen, printer and plot refuse alike. Returns
// the label points of the Babylonian and Italian hours (empty otherwise).
std::vector<HourLabelPoint> TracePlanarFamily(PlanarFamily family,
                                              const PlanarConstruction& c,
                                              const model::Model& model,
                                              PenSink& pen, platform::Ui& ui);

// The colour index of ColorTable that the screen and printer draw a role
// with, and the plot pen.
int ScreenColorIndex(LineRole role);
int PlotPen(LineRole role);

// The title of the data block: "horizontal SUNDIAL" ... "inclining
// Umbrella Sundial", at most 60 characters.
std::string PlanarTitle(const model::Model& model);
// The lines of the data block below the title (site, then the plane).
std::vector<std::string> PlanarDataLines(const model::Model& model);

}  // namespace lumtar::dials
