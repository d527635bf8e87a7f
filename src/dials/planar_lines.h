#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "dials/day_sun.h"
#include "dials/pen_sink.h"
#include "dials/planar_geometry.h"
#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::dials {

// The line families of the planar dials, sampled as the constructions draw
// them. Each writes its lines into `pen` and returns nothing else unless
// stated; messages (latitude limits, bad dates) go through `ui`.

// Date lines of the declination-line mode (zodiac declinations, the 7th
// and 22nd, the user's dates).
void TraceDeclinationLines(const PlanarSetup& s, const model::Model& model,
                           PenSink& pen, platform::Ui& ui);

// Date lines of the days whose length is a whole number of hours.
void TraceSunshineLines(const PlanarSetup& s, PenSink& pen);

// The hour lines of the apparent-time (or mean-time) family in drawing
// order: clock time, full hour n, step k within the hour (k = 0 the full
// hour), role and name ("apparent time 14:30").
struct HourLineValue {
  double hour;
  int full_hour;
  int step;
  LineRole role;
  std::string label;
};
std::vector<HourLineValue> HourLineValues(const model::Model& model, bool mean);

// The projected samples of one hour line at clock time `hour`: days
// 171, 176, 179, ... 365 for apparent time, 1, 6, 9, ... 363 with the
// equation of time for mean time.
// `days` (optional) keeps the sun of the sampled days for the next lines.
std::vector<SunPoint> SampleHourLine(const PlanarSetup& s,
                                     const model::Model& model, double hour,
                                     bool mean, SunDays* days = nullptr);

// The sampled hour lines of one plane, kept for the families that sample
// the same line again (the lines to the foot point follow the apparent hour
// lines, the analemma is a mean-time line), with the sun of the sampled
// days shared by all of them. Valid for one setup only: the setup is not
// part of the key.
class HourLineSamples {
 public:
  HourLineSamples(int year, double zone_meridian)
      : days_(year, zone_meridian) {}
  // As SampleHourLine(s, model, hour, mean), computed on first use.
  const std::vector<SunPoint>& Line(const PlanarSetup& s,
                                    const model::Model& model, double hour,
                                    bool mean);

 private:
  SunDays days_;
  // By hour, mean time and the longitude reference of the hour lines.
  std::map<std::tuple<double, bool, bool>, std::vector<SunPoint>> lines_;
};

// Apparent-time hour lines (days 171..365) or mean-time lines with the
// equation of time (days 1..363, figure-eights), with their subdivisions.
// `samples` (optional) is the store of sampled lines of this setup.
void TraceHourLines(const PlanarSetup& s, const model::Model& model, bool mean,
                    PenSink& pen, HourLineSamples* samples = nullptr);

// The figure-eight of AnalemmaHour with its day marks.
void TraceAnalemma(const PlanarSetup& s, const model::Model& model,
                   PenSink& pen, HourLineSamples* samples = nullptr);

// Temporal (unequal) hours, with their extension beyond the solstices.
// Refused with a message above 66 degrees of latitude.
void TraceTemporalHours(const PlanarSetup& s, const model::Model& model,
                        PenSink& pen, platform::Ui& ui);

// Babylonian and Italian hours; the points of 21 September of the even
// hours are returned for their labels. Refused above 65 degrees.
struct HourLabelPoint {
  bool italian;
  int hour;
  Point at;
};
std::vector<HourLabelPoint> TraceBabylonianItalianHours(
    const PlanarSetup& s, const model::Model& model, PenSink& pen,
    platform::Ui& ui);

// Lines of equal sun altitude.
void TraceAltitudeLines(const PlanarSetup& s, const model::Model& model,
                        PenSink& pen);

// The horizon line of vertical and inclined planes (y of the line), when
// the plane has one inside the page.
std::optional<double> HorizonLineY(const PlanarSetup& s);

// Foot point F of the polar style.
Point FootPoint(const PlanarSetup& s);

}  // namespace lumtar::dials
