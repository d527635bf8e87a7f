#!/usr/bin/python3
"""Writes the astronomy reference tables used by tests/astro/reference_test.cpp.

The tables are committed; this script is only needed to regenerate them. It
is not part of the build and its dependency is not in tools/install_deps.sh.

How to rerun (Debian):
    apt-get update && apt-get install -y python3-ephem
    /usr/bin/python3 tools/make_astro_reference.py
(use the system interpreter: python3-ephem is installed for it, not for a
python3 of a virtual environment). The output is deterministic (fixed random
seed) and lands in tests/astro/data/. Made with ephem 4.1.4.

Conventions, chosen to match the core in src/astro/:
- latitude north positive; longitude and zone meridian WEST positive;
  zone time ZT = UT - zone_meridian/15 hours.
- dates before 15 Oct 1582 are Julian, from then on Gregorian (ephem does
  the same: Date('1582/10/15') - Date('1582/10/4') == 1; every date is also
  checked against our own day-number arithmetic below).
- day_of_year = JDN(date) - JDN(0 January of the year) in the calendar in
  force, so 15 Oct 1582 is day 278 and 1 March 1500 is day 61.
- x = day_of_year + (ZT + zone_meridian/15 - 12)/24, i.e. x = 1.0 is 12 h UT
  of 1 January.
- declination: apparent geocentric declination of the sun (ephem g_dec).
- eot: E = (Greenwich apparent hour angle of the sun + 180) - 15 UT, wrapped
  to [-180, 180] degrees, with apparent sidereal time (ephem's
  Observer.sidereal_time() is the apparent one) and apparent right
  ascension g_ra.
- altitude/azimuth: geocentric and geometric (no refraction) for the sun's
  centre, from g_ra/g_dec and the local apparent sidereal time; azimuth 0
  south, west positive, +-180 north. ephem's topocentric alt/az (pressure 0)
  are used as a cross-check only (they differ by the parallax, < 0.003 deg).
- Delta T: every quantity is computed at the true UT instant. ephem adds its
  own Delta T (up to about 25 min at 2500) internally; the core does not, so
  part of the residuals at the ends of the year range comes from this.
  The value ephem used is kept in the column delta_t_s for reference.

Rise and set (riseset_reference.csv):
- times are zone-time hours after 0 h zone time of the date, events searched
  only inside [0 h, 24 h); an empty field means no such event that day.
- sun: geometric altitude of the centre = -50 arcmin, found by sampling the
  geocentric apparent altitude every 10 minutes and bisecting each sign
  change; checked against ephem's next_rising/next_setting with
  pressure=0, horizon='-0:50', use_center=True (must agree within 3 s).
- moon: GEOCENTRIC altitude of the centre = +8 arcmin, root-found the same
  way from the moon's apparent geocentric g_ra/g_dec. ephem's own rise/set
  is topocentric, so it is used only as a rough cross-check with the
  equivalent topocentric horizon 8' - horizontal parallax (within 60 s).
- days on which an event is ill-conditioned are left out: a crossing with
  an altitude rate below 3 deg/h, an altitude extremum within 1 deg of the
  threshold (a grazing rise/set that a small error may create or remove),
  or two risings or two settings of one body on one day.
"""

import csv
import math
import os
import random
import sys

import ephem

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, '..', 'tests', 'astro', 'data')

GREGORIAN_START_JDN = 2299161  # 15 October 1582


# --- calendar ---------------------------------------------------------------

def jdn_julian(y, m, d):
    a = (14 - m) // 12
    yy = y + 4800 - a
    mm = m + 12 * a - 3
    return d + (153 * mm + 2) // 5 + 365 * yy + yy // 4 - 32083


def jdn_gregorian(y, m, d):
    a = (14 - m) // 12
    yy = y + 4800 - a
    mm = m + 12 * a - 3
    return (d + (153 * mm + 2) // 5 + 365 * yy + yy // 4 - yy // 100
            + yy // 400 - 32045)


def jdn(y, m, d):
    """Day number of a date in the calendar in force."""
    if (y, m, d) >= (1582, 10, 15):
        return jdn_gregorian(y, m, d)
    if (y, m, d) > (1582, 10, 4):
        raise ValueError('date in the Gregorian gap: %d-%d-%d' % (y, m, d))
    return jdn_julian(y, m, d)


def date_of_jdn(n):
    """Calendar date (in force) of a day number."""
    if n >= GREGORIAN_START_JDN:
        a = n + 32044
        b = (4 * a + 3) // 146097
        c = a - 146097 * b // 4
    else:
        b = 0
        c = n + 32082
    d = (4 * c + 3) // 1461
    e = c - 1461 * d // 4
    m = (5 * e + 2) // 153
    day = e - (153 * m + 2) // 5 + 1
    month = m + 3 - 12 * (m // 10)
    year = 100 * b + d - 4800 + m // 10
    return year, month, day


def day_zero(year):
    """Day number of 0 January of `year`."""
    return jdn(year, 1, 1) - 1


def days_in_year(year):
    return jdn(year + 1, 1, 1) - jdn(year, 1, 1)


def ephem_midnight(y, m, d):
    """ephem Date of 0 h UT of a date; checked against our day numbers."""
    date = ephem.Date((y, m, d))
    if abs(ephem.julian_date(date) - (jdn(y, m, d) - 0.5)) > 1e-9:
        raise AssertionError('calendar mismatch with ephem at %d-%d-%d'
                             % (y, m, d))
    return date


def check_calendar():
    gap = ephem.Date('1582/10/15') - ephem.Date('1582/10/4')
    assert abs(gap - 1.0) < 1e-12, gap
    assert date_of_jdn(GREGORIAN_START_JDN) == (1582, 10, 15)
    assert date_of_jdn(GREGORIAN_START_JDN - 1) == (1582, 10, 4)
    assert jdn(2000, 1, 1) == 2451545
    assert days_in_year(1500) == 366 and days_in_year(1700) == 365
    assert days_in_year(1582) == 355
    for n in range(jdn(1299, 1, 1), jdn(2501, 12, 31), 37):
        assert jdn(*date_of_jdn(n)) == n


# --- sun and moon -----------------------------------------------------------

def wrap180(a):
    a = math.fmod(a, 360.0)
    if a > 180.0:
        a -= 360.0
    elif a < -180.0:
        a += 360.0
    return a


def greenwich_observer(date):
    obs = ephem.Observer()
    obs.lat = '0'
    obs.lon = '0'
    obs.elevation = 0
    obs.pressure = 0
    obs.date = date
    return obs


def apparent_geocentric(body_class, date):
    """(apparent GST, apparent RA, apparent dec), radians."""
    obs = greenwich_observer(date)
    body = body_class()
    body.compute(obs)
    return float(obs.sidereal_time()), float(body.g_ra), float(body.g_dec)


def alt_az(latitude, longitude_west, gast, ra, dec):
    """Geocentric altitude and azimuth (0 south, west positive), degrees."""
    h = gast - math.radians(longitude_west) - ra
    phi = math.radians(latitude)
    sin_alt = (math.sin(phi) * math.sin(dec)
               + math.cos(phi) * math.cos(dec) * math.cos(h))
    alt = math.degrees(math.asin(max(-1.0, min(1.0, sin_alt))))
    az = math.degrees(math.atan2(
        math.cos(dec) * math.sin(h),
        math.cos(dec) * math.cos(h) * math.sin(phi)
        - math.sin(dec) * math.cos(phi)))
    return alt, az


def sun_row(year, d, zone_time, latitude, longitude, zone_meridian):
    y, m, day = date_of_jdn(day_zero(year) + d)
    ut_hours = zone_time + zone_meridian / 15.0
    date = ephem.Date(ephem_midnight(y, m, day) + ut_hours / 24.0)
    gast, ra, dec = apparent_geocentric(ephem.Sun, date)
    eot = wrap180(math.degrees(gast - ra) + 180.0 - 15.0 * ut_hours)
    alt, az = alt_az(latitude, longitude, gast, ra, dec)

    # Cross-check of the conventions with ephem's own topocentric alt/az.
    obs = ephem.Observer()
    obs.lat = str(latitude)
    obs.lon = str(-longitude)
    obs.elevation = 0
    obs.pressure = 0
    obs.date = date
    sun = ephem.Sun()
    sun.compute(obs)
    e_alt = math.degrees(float(sun.alt))
    e_az = wrap180(math.degrees(float(sun.az)) - 180.0)
    assert abs(e_alt - alt) < 0.004, (y, m, day, alt, e_alt)
    if alt < 85.0:
        assert (abs(wrap180(e_az - az)) * math.cos(math.radians(alt))
                < 0.004), (y, m, day, az, e_az)

    x = d + (zone_time + zone_meridian / 15.0 - 12.0) / 24.0
    return {
        'year': year, 'month': m, 'day': day,
        'zone_time_hours': '%.4f' % zone_time,
        'latitude': '%.2f' % latitude,
        'longitude': '%.2f' % longitude,
        'zone_meridian': '%g' % zone_meridian,
        'day_of_year': d,
        'x': '%.8f' % x,
        'declination_deg': '%.6f' % math.degrees(dec),
        'eot_deg': '%.6f' % eot,
        'altitude_deg': '%.6f' % alt,
        'azimuth_deg': '%.6f' % az,
        'delta_t_s': '%.1f' % ephem.delta_t(date),
    }


SUN_THRESHOLD = -50.0 / 60.0   # degrees, centre, geometric
MOON_THRESHOLD = 8.0 / 60.0    # degrees, centre, geocentric
STEP_HOURS = 1.0 / 6.0
MIN_RATE = 3.0                 # deg/h at a crossing
MIN_EXTREMUM_GAP = 1.0         # deg between a daily extremum and threshold


class IllConditioned(Exception):
    pass


def crossings(body_class, threshold, t0, latitude, longitude):
    """Rise and set (hours after t0) of the geocentric altitude at
    `threshold` inside [0, 24) h; None where absent."""

    def f(hours):
        gast, ra, dec = apparent_geocentric(body_class,
                                            ephem.Date(t0 + hours / 24.0))
        return alt_az(latitude, longitude, gast, ra, dec)[0] - threshold

    n = int(round(24.0 / STEP_HOURS))
    ts = [i * STEP_HOURS for i in range(n + 1)]
    vs = [f(t) for t in ts]
    # A grazing extremum makes the event itself uncertain.
    for i in range(1, n):
        if ((vs[i] - vs[i - 1]) * (vs[i + 1] - vs[i]) <= 0
                and abs(vs[i]) < MIN_EXTREMUM_GAP):
            raise IllConditioned('extremum near threshold')
    rises, sets = [], []
    for i in range(n):
        a, b = vs[i], vs[i + 1]
        if (a < 0) == (b < 0):
            continue
        lo, hi, flo = ts[i], ts[i + 1], a
        for _ in range(40):
            mid = 0.5 * (lo + hi)
            fm = f(mid)
            if (fm < 0) == (flo < 0):
                lo, flo = mid, fm
            else:
                hi = mid
        t = 0.5 * (lo + hi)
        if t >= 24.0:
            continue
        rate = (f(t + 0.01) - f(t - 0.01)) / 0.02
        if abs(rate) < MIN_RATE:
            raise IllConditioned('slow crossing')
        (rises if a < 0 else sets).append(t)
    if len(rises) > 1 or len(sets) > 1:
        raise IllConditioned('two events of a kind')
    return (rises[0] if rises else None), (sets[0] if sets else None)


def ephem_event(obs, body, t0, rising):
    obs.date = t0
    try:
        if rising:
            t = obs.next_rising(body, use_center=True)
        else:
            t = obs.next_setting(body, use_center=True)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    hours = (t - t0) * 24.0
    return hours if hours < 24.0 else None


def cross_check(mine, theirs, tolerance_s, what):
    if mine is None or theirs is None:
        # Only a boundary case may differ in presence.
        other = mine if mine is not None else theirs
        if other is not None and min(other, 24.0 - other) * 3600 > 120:
            raise AssertionError('%s: presence differs (%r, %r)'
                                 % (what, mine, theirs))
        return
    if abs(mine - theirs) * 3600 > tolerance_s:
        raise AssertionError('%s: %.6f vs ephem %.6f' % (what, mine, theirs))


def riseset_row(y, m, d, latitude, longitude, zone_meridian):
    # 0 h zone time is zone_meridian/15 hours UT (west positive).
    t0 = ephem.Date(ephem_midnight(y, m, d) + zone_meridian / 15.0 / 24.0)
    sun_rise, sun_set = crossings(ephem.Sun, SUN_THRESHOLD, t0, latitude,
                                  longitude)
    moon_rise, moon_set = crossings(ephem.Moon, MOON_THRESHOLD, t0, latitude,
                                    longitude)

    obs = ephem.Observer()
    obs.lat = str(latitude)
    obs.lon = str(-longitude)
    obs.elevation = 0
    obs.pressure = 0
    tag = '%d-%d-%d lat %.2f' % (y, m, d, latitude)
    obs.horizon = '-0:50'
    cross_check(sun_rise, ephem_event(obs, ephem.Sun(), t0, True), 3,
                'sunrise ' + tag)
    cross_check(sun_set, ephem_event(obs, ephem.Sun(), t0, False), 3,
                'sunset ' + tag)
    moon = ephem.Moon()
    for event, rising, name in ((moon_rise, True, 'moonrise'),
                                (moon_set, False, 'moonset')):
        noon = ephem.Date(t0 + (event if event is not None else 12.0) / 24.0)
        obs.date = noon
        moon.compute(obs)
        parallax = math.asin(ephem.earth_radius / (moon.earth_distance
                                                   * ephem.meters_per_au))
        obs.horizon = math.radians(MOON_THRESHOLD) - parallax
        cross_check(event, ephem_event(obs, moon, t0, rising), 60,
                    name + ' ' + tag)

    def fmt(t):
        return '' if t is None else '%.6f' % t

    return {
        'year': y, 'month': m, 'day': d,
        'latitude': '%.2f' % latitude,
        'longitude': '%.2f' % longitude,
        'zone_meridian': '%g' % zone_meridian,
        'sunrise': fmt(sun_rise), 'sunset': fmt(sun_set),
        'moonrise': fmt(moon_rise), 'moonset': fmt(moon_set),
    }


# --- row choice -------------------------------------------------------------

def zone_for(rng, longitude):
    r = rng.random()
    if r < 0.7:
        return 15.0 * round(longitude / 15.0)
    if r < 0.9:
        return 15.0 * rng.randint(-12, 12)
    return 0.0


def make_sun_rows(rng):
    picks = [
        # (year, month, day, zone time, lat, lon, zone meridian)
        (1300, 1, 1, 0.0, 45.0, -9.59, -15.0),
        (1300, 1, 1, 12.0, -33.9, -18.42, -30.0),
        (1300, 12, 31, 23.99, 51.5, 0.0, 0.0),
        (1500, 2, 29, 10.5, 48.14, -11.58, -15.0),
        (1500, 3, 1, 14.0, 41.9, -12.5, -15.0),
        (1500, 12, 31, 12.0, 40.0, -9.59, -15.0),
        (1582, 10, 4, 12.0, 47.0, -9.59, -15.0),
        (1582, 10, 15, 12.0, 47.0, -9.59, -15.0),
        (1582, 12, 31, 9.0, 47.0, -9.59, -15.0),
        (1600, 2, 29, 15.0, 52.5, -13.4, -15.0),
        (1700, 3, 1, 8.0, 59.3, -18.07, -15.0),
        (2000, 1, 1, 12.0, 0.0, 0.0, 0.0),
        (2000, 2, 29, 16.25, 47.5, -9.59, -15.0),
        (2000, 6, 21, 13.0, 70.0, -25.0, -30.0),
        (2000, 12, 21, 12.0, -60.0, 68.0, 60.0),
        (2024, 3, 20, 6.0, 0.0, 120.0, 120.0),
        (2400, 2, 29, 11.0, 35.7, -139.7, -135.0),
        (2500, 1, 1, 0.5, -12.0, 77.0, 75.0),
        (2500, 12, 31, 12.0, 45.0, -9.59, -15.0),
        (2500, 12, 31, 23.9, 63.0, 150.0, 150.0),
    ]
    rows = []
    for y, m, d, zt, lat, lon, zm in picks:
        rows.append(sun_row(y, jdn(y, m, d) - day_zero(y), zt, lat, lon, zm))
    while len(rows) < 320:
        year = rng.randint(1300, 2500)
        d = rng.randint(1, days_in_year(year))
        lat = round(rng.uniform(-60.0, 70.0), 2)
        lon = round(rng.uniform(-180.0, 180.0), 2)
        zm = zone_for(rng, lon)
        # Mostly daytime, some night rows too.
        if rng.random() < 0.75:
            zt = rng.uniform(4.0, 20.0) + (lon - zm) / 15.0
        else:
            zt = rng.uniform(0.0, 24.0)
        zt = round(min(max(zt, 0.0), 23.9999), 4)
        rows.append(sun_row(year, d, zt, lat, lon, zm))
    return rows


def make_riseset_rows(rng):
    picks = [
        (1300, 1, 1, 45.0, -9.59, -15.0),
        (1500, 2, 29, 48.14, -11.58, -15.0),
        (1582, 10, 4, 47.0, -9.59, -15.0),
        (1582, 10, 15, 47.0, -9.59, -15.0),
        (2000, 1, 1, 51.48, 0.0, 0.0),
        (2000, 6, 21, 60.0, -24.75, -30.0),
        (2000, 12, 21, -60.0, 68.0, 60.0),
        (2024, 4, 8, 40.0, 100.0, 90.0),
        (2500, 12, 31, 45.0, -9.59, -15.0),
        # High latitudes around the solstices: the sun does not set or rise.
        (2000, 6, 21, 69.65, -18.96, -15.0),
        (1450, 12, 12, 68.0, 133.4, 135.0),
        (2300, 6, 25, -68.6, -77.97, -75.0),
        (1800, 12, 22, -69.0, 0.0, 0.0),
    ]
    rows = []
    for y, m, d, lat, lon, zm in picks:
        try:
            rows.append(riseset_row(y, m, d, lat, lon, zm))
        except IllConditioned as e:
            print('skipped %d-%d-%d %.2f: %s' % (y, m, d, lat, e),
                  file=sys.stderr)
    # Some more polar days and nights, near the solstices.
    polar = 0
    while polar < 8:
        year = rng.randint(1300, 2500)
        month = rng.choice((6, 12))
        n = jdn(year, month, 21) + rng.randint(-15, 15)
        y, m, d = date_of_jdn(n)
        lat = round(rng.uniform(67.0, 70.0), 2) * rng.choice((-1, 1))
        lon = round(rng.uniform(-180.0, 180.0), 2)
        try:
            rows.append(riseset_row(y, m, d, lat, lon, zone_for(rng, lon)))
            polar += 1
        except IllConditioned:
            pass
    while len(rows) < 230:
        year = rng.randint(1300, 2500)
        n = day_zero(year) + rng.randint(1, days_in_year(year))
        y, m, d = date_of_jdn(n)
        lat = round(rng.uniform(-60.0, 60.0), 2)
        lon = round(rng.uniform(-180.0, 180.0), 2)
        zm = zone_for(rng, lon)
        try:
            rows.append(riseset_row(y, m, d, lat, lon, zm))
        except IllConditioned as e:
            print('skipped %d-%d-%d %.2f: %s' % (y, m, d, lat, e),
                  file=sys.stderr)
    return rows


def write(name, rows):
    path = os.path.normpath(os.path.join(OUT_DIR, name))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', newline='') as f:
        w = csv.DictWriter(f, fieldnames=list(rows[0].keys()),
                           lineterminator='\n')
        w.writeheader()
        w.writerows(rows)
    print('wrote %s (%d rows)' % (path, len(rows)))


def main():
    check_calendar()
    rng = random.Random(20240611)
    write('sun_reference.csv', make_sun_rows(rng))
    write('riseset_reference.csv', make_riseset_rows(rng))


if __name__ == '__main__':
    main()
