#include "astro/sunshine.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "astro/format.h"
#include "astro/pascal_math.h"

namespace lumtar::astro {
namespace {

// The set of hour angles H where a + b cos H + c sin H > 0: empty, the full
// circle, or the arc centre +- half_width.
struct Arc {
  bool empty = false;
  bool full = false;
  double centre = 0;
  double half_width = 0;
};

Arc PositiveArc(double a, double b, double c) {
  Arc arc;
  const double r = std::hypot(b, c);
  if (r < 1e-12) {
    (a > 0 ? arc.full : arc.empty) = true;
    return arc;
  }
  const double q = -a / r;
  if (q <= -1) {
    arc.full = true;
  } else if (q >= 1) {
    arc.empty = true;
  } else {
    arc.centre = std::atan2(c, b) * kDegPerRad;
    arc.half_width = std::acos(q) * kDegPerRad;
  }
  return arc;
}

struct Span {
  double start, end;
};

// An arc as at most two spans within [-180, 180].
int ArcSpans(const Arc& arc, Span out[2]) {
  if (arc.empty) return 0;
  if (arc.full) {
    out[0] = {-180, 180};
    return 1;
  }
  double s = arc.centre - arc.half_width;
  double e = arc.centre + arc.half_width;
  if (s < -180) {
    out[0] = {-180, e};
    out[1] = {s + 360, 180};
    return 2;
  }
  if (e > 180) {
    out[0] = {-180, e - 360};
    out[1] = {s, 180};
    return 2;
  }
  out[0] = {s, e};
  return 1;
}

}  // namespace

SunshineIntervals SunshineOfDay(double inclination, double declination_plane,
                                double latitude, double declination) {
  const double sin_phi = SinDeg(latitude), cos_phi = CosDeg(latitude);
  const double sin_dec = SinDeg(declination), cos_dec = CosDeg(declination);
  // Normal of the plane: altitude 90 - i, azimuth D.
  const double sin_z = CosDeg(inclination), cos_z = SinDeg(inclination);
  const double cos_d = CosDeg(declination_plane);
  const double sin_d = SinDeg(declination_plane);

  // Above the horizon: sin(alt) > 0.
  const Arc horizon = PositiveArc(sin_phi * sin_dec, cos_phi * cos_dec, 0);
  // In front of the plane: normal . sun > 0.
  const Arc plane =
      PositiveArc(sin_dec * (sin_z * sin_phi - cos_z * cos_d * cos_phi),
                  cos_dec * (cos_z * cos_d * sin_phi + sin_z * cos_phi),
                  cos_dec * cos_z * sin_d);

  Span hs[2], ps[2];
  const int nh = ArcSpans(horizon, hs);
  const int np = ArcSpans(plane, ps);
  SunshineIntervals out;
  Span found[4];
  int n = 0;
  for (int i = 0; i < nh; ++i) {
    for (int j = 0; j < np; ++j) {
      const double s = std::max(hs[i].start, ps[j].start);
      const double e = std::min(hs[i].end, ps[j].end);
      // Slivers from rounding where the two boundaries coincide (a plane
      // facing straight down meets the horizon) are no sunshine.
      if (e - s > 1e-7) found[n++] = {s, e};
    }
  }
  // At most four pieces: a plain insertion sort by start.
  for (int k = 1; k < n; ++k)
    for (int m = k; m > 0 && found[m].start < found[m - 1].start; --m)
      std::swap(found[m], found[m - 1]);
  for (int k = 0; k < n && out.count < 3; ++k) {
    out.start[out.count] = found[k].start;
    out.end[out.count] = found[k].end;
    ++out.count;
  }
  return out;
}

namespace {

std::string TimeText(double hour_angle) {
  return FormatEotMinSec((hour_angle / 15 + 12) / 4);
}

}  // namespace

FirstLastLightResult FirstLastLight(double offset, double inclination,
                                    double declination_plane, double latitude,
                                    double obliquity) {
  constexpr int kDays = 941;
  std::vector<Span> spans;
  spans.reserve(kDays * 3);
  double first = 180, last = -180, dec_first = 0;
  for (int k = 0; k < kDays; ++k) {
    const double dec =
        k == 0 ? obliquity : (k == kDays - 1 ? -obliquity : 23.5 - 0.05 * k);
    // The grid runs to +-23.45; a year whose obliquity is smaller never
    // sees the declinations beyond it.
    if (std::fabs(dec) > std::fabs(obliquity)) continue;
    const SunshineIntervals day =
        SunshineOfDay(inclination, declination_plane, latitude, dec);
    for (int j = 0; j < day.count; ++j) {
      spans.push_back({day.start[j], day.end[j]});
      if (day.start[j] < first) {
        first = day.start[j];
        dec_first = dec;
      }
      last = std::max(last, day.end[j]);
    }
  }

  FirstLastLightResult r{first + offset, last + offset, dec_first, false, {}};
  if (spans.empty()) {
    r.text = "         --:-- - --:--";
    return r;
  }
  // The union of the year's sunshine periods.
  std::sort(spans.begin(), spans.end(),
            [](const Span& x, const Span& y) { return x.start < y.start; });
  std::vector<Span> merged;
  for (const Span& s : spans) {
    if (!merged.empty() && s.start <= merged.back().end + 1e-9) {
      merged.back().end = std::max(merged.back().end, s.end);
    } else {
      merged.push_back(s);
    }
  }
  r.text = "         " + TimeText(first + offset);
  if (merged.size() == 1) {
    r.text += " - " + TimeText(last + offset);
    return r;
  }
  // Morning and evening sunshine separated: split at the widest gap.
  std::size_t gap = 0;
  double widest = -1;
  for (std::size_t k = 0; k + 1 < merged.size(); ++k) {
    const double g = merged[k + 1].start - merged[k].end;
    if (g > widest) {
      widest = g;
      gap = k;
    }
  }
  r.two_periods = true;
  r.text += " - " + TimeText(merged[gap].end + offset) + "; " +
            TimeText(merged[gap + 1].start + offset) + " - " +
            TimeText(last + offset);
  return r;
}

}  // namespace lumtar::astro
