#pragma once

#include <cmath>

namespace lumtar::astro {

// Pi in extended precision; degree/radian factors derive from it.
inline constexpr long double kPiL = 3.14159265358979323846264338327950288L;
inline constexpr long double kRadPerDegL = kPiL / 180.0L;
inline constexpr double kRadPerDeg = static_cast<double>(kRadPerDegL);
inline constexpr double kDegPerRad = static_cast<double>(180.0L / kPiL);

// +1 for x > 0, -1 for x < 0, 0 for x = 0 (and for NaN).
inline double Sign(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// Integer part toward zero, as a real (Pascal Int and Trunc).
inline double Int(double x) { return std::trunc(x); }
inline long double Int(long double x) { return std::trunc(x); }

// Fractional part with the sign of x: x - Int(x).
inline double Frac(double x) { return x - std::trunc(x); }

// Rounds to the nearest integer, ties to even (Pascal Round).
inline double RoundHalfEven(double x) { return std::nearbyint(x); }

// Rounds to the nearest integer, ties away from zero.
inline double RoundHalfAway(double x) { return std::round(x); }

inline double SinDeg(double x) { return std::sin(x * kRadPerDeg); }
inline double CosDeg(double x) { return std::cos(x * kRadPerDeg); }

// Tangent of x degrees; a cosine of magnitude below 1e-12 is replaced by
// +1e-12 (cosine >= 0) or -1e-12 so the result stays finite.
inline double TanDeg(double x) {
  double c = std::cos(x * kRadPerDeg);
  if (std::fabs(c) < 1e-12) c = c >= 0 ? 1e-12 : -1e-12;
  return std::sin(x * kRadPerDeg) / c;
}

// True when b <= x <= a (note the order: upper bound first).
inline bool InRange(double a, double b, double x) { return b <= x && x <= a; }

// Brings an angle into (0, 360] from above and [0, 360) from below, the
// way a subtract-360 / add-360 loop would (exactly 360 stays 360), in
// bounded time for any input; non-finite values pass through.
template <typename Real>
Real ReduceDegrees(Real v) {
  if (!std::isfinite(v)) return v;
  if (v > 360) {
    v = std::fmod(v, Real(360));
    if (v == 0) v = 360;
  } else if (v < 0) {
    v = std::fmod(v, Real(360));
    if (v < 0) v += 360;
  }
  return v;
}

}  // namespace lumtar::astro
