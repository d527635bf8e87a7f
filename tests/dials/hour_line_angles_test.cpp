#include "dials/hour_line_angles.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/pascal_math.h"

namespace lumtar::dials {
namespace {

using astro::kRadPerDeg;

model::Model Dial(char kind, double declination = 0) {
  model::Model m;
  m.DialKind = kind;
  m.Language = texts::Language::kEnglish;
  m.parameters.Latitude = 47.25;
  m.parameters.WallDeclination = declination;
  m.parameters.Inclination = kind == 'v' ? 90 : 0;
  m.options.ApparentHourSubdivisions = '0';
  m.times.ApparentHoursFrom = 6;
  m.times.ApparentHoursTo = 18;
  return m;
}

TEST(HourLineAngles, TextbookFormulasForHorizontalAndSouthWall) {
  // Horizontal: tan a = sin(phi) tan(H); south wall: tan a = cos(phi) tan(H).
  for (char kind : {'h', 'v'}) {
    const HourLineAngleTable t = ComputeHourLineAngles(Dial(kind), false);
    const double f = kind == 'h' ? std::sin(47.25 * kRadPerDeg)
                                 : std::cos(47.25 * kRadPerDeg);
    for (int hour = 7; hour <= 17; ++hour) {
      if (hour == 12) continue;
      const double a = t.HourLineAngles[hour][0];
      const double h = (hour - 12) * 15 * kRadPerDeg;
      EXPECT_NEAR(std::fabs(std::tan(a * kRadPerDeg)),
                  f * std::fabs(std::tan(h)), 1e-9)
          << kind << " " << hour;
    }
    // Morning and afternoon lines lie on opposite sides of the noon line.
    EXPECT_LT(t.HourLineAngles[9][0] * t.HourLineAngles[15][0], 0) << kind;
    EXPECT_NEAR(t.HourLineAngles[12][0], 0, 1e-6) << kind;  // the noon line
  }
}

TEST(HourLineAngles, ContinuousAndMarkedCells) {
  const HourLineAngleTable t = ComputeHourLineAngles(Dial('v', 30), false);
  for (int hour = 7; hour <= 18; ++hour) {
    const double a = t.HourLineAngles[hour][0],
                 b = t.HourLineAngles[hour - 1][0];
    EXPECT_LT(std::fabs(a - b), 90) << hour;
  }
  EXPECT_EQ(t.HourLineAngles[5][0], kNoHourLine);
  EXPECT_EQ(t.HourLineAngles[12][1], kNoHourLine);  // 60-minute steps
  ASSERT_EQ(t.cells.size(), 13u);
  EXPECT_EQ(t.cells[0].time, "6:00");
  EXPECT_EQ(t.cells[0].angle.size(), 9u);
  EXPECT_EQ(t.title, "Angles of the Hour Lines in a Vertical Sundial");
  EXPECT_EQ(t.sunshine_text.rfind("Sun on Sundial Plane: ", 0), 0u);
  EXPECT_EQ(t.summary.size(), 4u);  // with the noon-line angle of a wall
  // The sunshine of a wall declining 30 west ends after 18 h.
  EXPECT_GT(t.last_limit, 90);
}

TEST(HourLineAngles, SouthWallSixOClockIsHorizontal) {
  // On a south wall the 6 h and 18 h lines are horizontal: tangent beyond
  // 10000 in the cell.
  const HourLineAngleTable t = ComputeHourLineAngles(Dial('v'), false);
  EXPECT_NEAR(std::fabs(t.HourLineAngles[18][0]), 90, 1e-6);
  const auto& last = t.cells.back();
  EXPECT_TRUE(last.tangent == "   >10000" || last.tangent == "  <-10000")
      << last.tangent;
}

TEST(HourLineAngles, TenMinuteStepsAndLongitudeCorrection) {
  model::Model m = Dial('h');
  m.options.ApparentHourSubdivisions = '4';
  m.times.ApparentHoursFrom = 12;
  m.times.ApparentHoursTo = 13;
  const HourLineAngleTable t = ComputeHourLineAngles(m, false);
  EXPECT_NE(t.HourLineAngles[12][5], kNoHourLine);
  EXPECT_EQ(t.HourLineAngles[13][1], kNoHourLine);  // beyond the last hour
  ASSERT_EQ(t.cells.size(), 7u);
  EXPECT_EQ(t.cells[1].time, "12:10");
  // 9.59 E in a zone at 15 E: local noon comes 21.6 min before 12:00 zone
  // time, so 12:00 zone time is already an afternoon line.
  m.times.ApparentHoursTo = 12;
  const HourLineAngleTable c = ComputeHourLineAngles(m, true);
  EXPECT_NEAR(std::fabs(c.HourLineAngles[12][0]),
              std::atan(std::sin(47.25 * kRadPerDeg) *
                        std::tan((15 - 9.590825) * kRadPerDeg)) /
                  kRadPerDeg,
              1e-6);
}

}  // namespace
}  // namespace lumtar::dials
