#include <benchmark/benchmark.h>

#include "astro/rise_set.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "astro/sunshine.h"

namespace lumtar::astro {
namespace {

void BM_SolarEphemeris(benchmark::State& state) {
  double x = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SolarEphemeris(2020, x));
    x += 0.37;
    if (x > 366) x = 1;
  }
}
BENCHMARK(BM_SolarEphemeris);

void BM_SunPosition(benchmark::State& state) {
  double t = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        SunPosition(2020, 172, t, 47.25, -9.59, -15, true));
    t += 0.1;
    if (t > 24) t = 0;
  }
}
BENCHMARK(BM_SunPosition);

void BM_AltAzFromHourAngle(benchmark::State& state) {
  double h = -180;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AltAzFromHourAngle(47.25, 12.5, h));
    h += 1.3;
    if (h > 180) h = -180;
  }
}
BENCHMARK(BM_AltAzFromHourAngle);

void BM_FirstLastLight(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(FirstLastLight(0, 90, 25, 47.25, 23.44));
}
BENCHMARK(BM_FirstLastLight);

void BM_RiseSetForDay(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(RiseSetForDay(21, 6, 2020, 47.25, -9.59, -15,
                                           TwilightKind::kCivil,
                                           texts::Language::kEnglish));
}
BENCHMARK(BM_RiseSetForDay);

}  // namespace
}  // namespace lumtar::astro
