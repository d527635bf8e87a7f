#pragma once

namespace lumtar::dials {

// What a line belongs to; the screen drawer maps it to a colour, the plot
// writer to a pen.
enum class LineRole {
  kDeclination,
  kSunshine,
  kApparentHour,
  kApparentSubdivision,
  kMeanHour,
  kMeanSubdivision,
  kAnalemma,
  kTemporalHour,
  kBabylonianHour,
  kItalianHour,
  kHourSystemSubdivision,
  kAltitude,
  kHorizon,
  kFootPointLine,
  kPoleTriangle,
};

// Receives the line work of a construction in device units. The sampling
// code of a dial family calls it; a screen drawer, a plot writer or a
// coordinate list turns it into output.
class PenSink {
 public:
  virtual ~PenSink() = default;
  // Starts a line of the given role; `value` names it (the hour, the day of
  // the year, the altitude) and `label` is its readable name.
  virtual void BeginLine(LineRole role, double value, const char* label) = 0;
  virtual void MoveTo(double x, double y) = 0;
  virtual void LineTo(double x, double y) = 0;
  // A mark of an analemma day (filled for the first mark of a month).
  virtual void Mark(double x, double y, bool filled) = 0;
};

}  // namespace lumtar::dials
