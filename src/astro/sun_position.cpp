#include "astro/sun_position.h"

#include <cmath>

#include "astro/calendar.h"
#include "astro/format.h"
#include "astro/pascal_math.h"
#include "astro/solar_ephemeris.h"
#include "texts/pair_texts.h"

namespace lumtar::astro {
namespace {

// arctan(num/den) in degrees, plus 180 when negative: an angle in [0, 180].
double AcuteOrObtuse(double num, double den) {
  double a = std::atan(num / den) * kDegPerRad;
  if (a < 0) a += 180;
  return a;
}

}  // namespace

AltAz AltAzFromHourAngle(double latitude, double declination,
                         double hour_angle) {
  return AltAzFromHourAngle(DegTrig(latitude), DegTrig(declination),
                            hour_angle);
}

AltAz AltAzFromHourAngle(const DegTrig& latitude, const DegTrig& declination,
                         double hour_angle) {
  double h = hour_angle;
  if (std::fabs(h) > 180) {
    h = std::fmod(h, 360.0);
    if (std::fabs(h) > 180) h -= Sign(h) * 360;
  }
  const double sin_lat = latitude.sin, cos_lat = latitude.cos;
  const double sin_dec = declination.sin, cos_dec = declination.cos;
  const double cos_h = CosDeg(h);

  double s = sin_lat * sin_dec + cos_lat * cos_dec * cos_h;
  if (std::fabs(s) < 1e-10) {
    s = (Sign(s) + 0.2) * 1e-10;
  } else if (std::fabs(s) > 1) {
    s = Sign(s) * 0.9999999999;
  }
  // Zenith distance in [0, 180].
  const double z = AcuteOrObtuse(std::sqrt(1 - s * s), s);

  double azimuth = 0;
  if (z >= 1e-6) {
    double w = (-sin_dec * cos_lat + cos_h * cos_dec * sin_lat) / SinDeg(z);
    if (std::fabs(w) > 1) {
      w = Sign(w);
    } else if (std::fabs(w) < 1e-10) {
      w = (Sign(w) + 0.2) * 1e-10;
    }
    azimuth = w != -1 ? AcuteOrObtuse(std::sqrt(1 - w * w), w) : 180;
  }
  if (h < 0) azimuth = -azimuth;
  if (h == 0) azimuth = latitude.deg >= declination.deg ? 0 : 180;
  return {90 - z, azimuth};
}

namespace {

SunPlace PositionWith(int year, double x, double clock_hours, double latitude,
                      double longitude, double zone_meridian, bool apply_eot) {
  const SolarState sun = SolarEphemeris(year, x);
  double h = (clock_hours - 12) * 15 - (longitude - zone_meridian);
  if (apply_eot) h += sun.eot_deg;
  const AltAz p = AltAzFromHourAngle(latitude, sun.declination_deg, h);
  return {p.altitude_deg, p.azimuth_deg, sun.declination_deg, sun.eot_deg, h};
}

}  // namespace

SunPlace SunPosition(int year, int day, double clock_hours, double latitude,
                     double longitude, double zone_meridian, bool apply_eot) {
  const double x = day + (clock_hours + zone_meridian / 15 - 12) / 24;
  return PositionWith(year, x, clock_hours, latitude, longitude, zone_meridian,
                      apply_eot);
}

SunPlace SunPositionForClock(TimeKind kind, int year, int day,
                             double clock_hours, double latitude,
                             double longitude, double zone_meridian) {
  const bool local =
      kind == TimeKind::kLocalApparent || kind == TimeKind::kLocalMean;
  const bool apply_eot =
      kind == TimeKind::kLocalMean || kind == TimeKind::kZone;
  return SunPosition(year, day, clock_hours, latitude,
                     local ? zone_meridian : longitude, zone_meridian,
                     apply_eot);
}

SunPlace SunPositionNoonEphemeris(int year, int day, double clock_hours,
                                  double latitude, double longitude,
                                  double zone_meridian, bool apply_eot) {
  const double x = day + (zone_meridian / 15) / 24;
  return PositionWith(year, x, clock_hours, latitude, longitude, zone_meridian,
                      apply_eot);
}

AltAz AltAzFromClock(double clock_hours, double latitude, double longitude,
                     double zone_meridian, double declination) {
  return AltAzFromClock(clock_hours, DegTrig(latitude), longitude,
                        zone_meridian, DegTrig(declination));
}

AltAz AltAzFromClock(double clock_hours, const DegTrig& latitude,
                     double longitude, double zone_meridian,
                     const DegTrig& declination) {
  return AltAzFromHourAngle(
      latitude, declination,
      (clock_hours - 12) * 15 - (longitude - zone_meridian));
}

AzimuthTime TimeForAzimuth(const Site& site, int day, int month, int year,
                           double azimuth, platform::Ui& ui,
                           texts::Language language) {
  using platform::Caption;
  double a = azimuth == 0 ? 0.0001 : azimuth;
  const int d =
      static_cast<int>(std::trunc(ModifiedJulianDate(day, month, year, 0) -
                                  ModifiedJulianDate(0, 1, year, 0)));
  const SolarState sun0 = SolarEphemeris(year, d);
  const double dec0 = sun0.declination_deg;

  auto azimuth_at = [&](double t) {
    return SunPosition(year, d, t, site.latitude, site.longitude,
                       site.zone_meridian, true);
  };

  // Bracket around apparent noon t0 in zone time: the east half-day before
  // it, the west half-day after it. t0 comes from the equation of time of
  // 12 h UT, a few seconds off the true transit, so each bracket reaches a
  // quarter hour past noon to hold azimuths right at the meridian.
  const double t0 =
      12 + (site.longitude - site.zone_meridian) / 15 - sun0.eot_deg / 15;
  constexpr double kNoonMargin = 0.25;
  double t1 = a > 0 ? t0 - kNoonMargin : t0 - 12;
  double t2 = a > 0 ? t0 + 12 : t0 + kNoonMargin;
  if (site.latitude < dec0) std::swap(t1, t2);

  double a1 = azimuth_at(t1).azimuth_deg;
  double a2 = azimuth_at(t2).azimuth_deg;
  if (a > 0 && a2 < 0) a2 += 360;
  if (a < 0 && a1 > 0) a1 -= 360;
  if (a2 < a1) {
    std::swap(a1, a2);
    std::swap(t1, t2);
  }

  if (!(a1 <= a && a <= a2)) {
    std::string msg = "Fehler: Az1=" + FormatFixed(9, 2, a1) +
                      " Azimut=" + FormatFixed(8, 2, a) +
                      " Az2=" + FormatFixed(8, 2, a2);
    ui.Message(Caption::kError, msg);
  }
  if (std::fabs(site.latitude) - std::fabs(dec0) < 0)
    ui.Message(Caption::kWarning, texts::MessageText(44, language));

  // Bisection; each step halves the time bracket, so 200 steps are far more
  // than the tolerances below need.
  double tm = (t1 + t2) / 2;
  double width = std::fabs(a2 - a1);
  for (int step = 0;
       step < 200 && width >= 0.002 && std::fabs(t1 - t2) >= 1e-10; ++step) {
    tm = (t1 + t2) / 2;
    double am = azimuth_at(tm).azimuth_deg;
    if (a * am < 0 && !(a1 <= am && am <= a2)) am -= Sign(am) * 360;
    if (std::fabs(a - am) < 0.005) {
      width = 0.001;
      break;
    }
    if (a1 <= a && a <= am) {
      t2 = tm;
      a2 = am;
    } else if (am <= a && a <= a2) {
      t1 = tm;
      a1 = am;
    } else {
      ui.Message(Caption::kProblem, texts::TwoLineMessage(31, 32, language));
      break;
    }
    width = std::fabs(a2 - a1);
  }

  AzimuthTime result{false, tm, {}, azimuth_at(tm).altitude_deg};
  if (std::fabs(t1 - t2) < 1e-10) {
    ui.Message(Caption::kProblem, texts::MessageText(24, language));
    return result;
  }
  result.found = true;
  result.text = FormatClockSeconds(tm) + "  hh:mm:ss";
  return result;
}

RiseHour RiseHourAngle(double declination, double latitude, platform::Ui* ui,
                       texts::Language language) {
  const double m = -(SinDeg(latitude) * SinDeg(declination)) /
                   (CosDeg(latitude) * CosDeg(declination));
  double h0;
  if (std::fabs(m) < 1e-12) {
    h0 = 90;
  } else if (std::fabs(m) <= 0.9999999) {
    h0 = std::atan(std::sqrt(1 - m * m) / m) * kDegPerRad;
    if (h0 < 0) h0 += 180;
  } else {
    h0 = 90 - Sign(m) * 90;  // 0 polar night, 180 midnight sun (also NaN: 90)
  }
  const AltAz p = AltAzFromHourAngle(latitude, declination, h0);
  // At H0 = 180 the computed azimuth is north up to rounding.
  const bool never_sets =
      p.altitude_deg > 0.1 && std::fabs(std::fabs(p.azimuth_deg) - 180) < 1e-3;
  if (never_sets && ui != nullptr)
    ui->Message(platform::Caption::kWarning, texts::PhraseText(227, language));
  return {h0, p.azimuth_deg, never_sets};
}

GeometricDay GeometricRiseSet(int year, int day, double meridian,
                              double latitude) {
  const SunPlace noon = SunPositionNoonEphemeris(year, day, 12, latitude,
                                                 meridian, meridian, false);
  const double dec = noon.declination_deg;
  const RiseHour rh = RiseHourAngle(dec, latitude);
  GeometricDay g{};
  g.declination_deg = dec;
  g.rising_time = 12 - rh.hour_angle_deg / 15;
  g.setting_time = 12 + rh.hour_angle_deg / 15;
  g.rising_azimuth_deg =
      SunPositionNoonEphemeris(year, day, g.rising_time, latitude, meridian,
                               meridian, false)
          .azimuth_deg;
  g.setting_azimuth_deg =
      SunPositionNoonEphemeris(year, day, g.setting_time, latitude, meridian,
                               meridian, false)
          .azimuth_deg;
  return g;
}

double PlaneIncidence(double altitude, double azimuth, double normal_altitude,
                      double normal_azimuth) {
  return PlaneIncidence(DegTrig(altitude), DegTrig(azimuth),
                        DegTrig(normal_altitude), DegTrig(normal_azimuth));
}

double PlaneIncidence(const DegTrig& altitude, const DegTrig& azimuth,
                      const DegTrig& normal_altitude,
                      const DegTrig& normal_azimuth) {
  const DegTrig &z = normal_altitude, &d = normal_azimuth;
  return d.cos * z.cos * azimuth.cos * altitude.cos +
         d.sin * z.cos * azimuth.sin * altitude.cos + z.sin * altitude.sin;
}

bool SunOnPlane(double apparent_time, double declination, double latitude,
                double normal_altitude, double normal_azimuth) {
  const AltAz p =
      AltAzFromHourAngle(latitude, declination, (apparent_time - 12) * 15);
  return PlaneIncidence(p.altitude_deg, p.azimuth_deg, normal_altitude,
                        normal_azimuth) > 0;
}

double Atan2Deg(double y, double x) {
  if (x == 0) return Sign(y) * 90;
  if (y != 0)
    return (1 - Sign(x)) * Sign(y) * 90 + std::atan(y / x) * kDegPerRad;
  return 90 - Sign(x) * 90;
}

PolarStyle PolarStyleGeometry(double inclination, double declination,
                              double latitude) {
  const double i = inclination, d = declination, phi = latitude;
  const double s =
      SinDeg(phi) * CosDeg(i) - CosDeg(phi) * SinDeg(i) * CosDeg(d);
  const double height =
      std::fabs(s) >= 1 ? Sign(s) * 90 : std::asin(s) * kDegPerRad;
  const double u =
      Atan2Deg(SinDeg(i) * SinDeg(d),
               CosDeg(phi) * CosDeg(i) + SinDeg(i) * SinDeg(phi) * CosDeg(d));
  const double v =
      Atan2Deg(CosDeg(phi) * SinDeg(d),
               SinDeg(phi) * SinDeg(i) + CosDeg(phi) * CosDeg(d) * CosDeg(i));
  return {height, u, v};
}

}  // namespace lumtar::astro
