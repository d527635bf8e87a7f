// One year table and one month table of rise and set at the default site;
// each should take at most 2 ms.

#include <benchmark/benchmark.h>

#include "model/model.h"
#include "tables/month_tables.h"
#include "tables/year_table.h"

namespace lumtar::tables {
namespace {

void BM_YearTableEquationOfTime(benchmark::State& state) {
  const model::Model model;
  for (auto _ : state) {
    TableText t = BuildYearTable(model, YearTableKind::kEquationOfTime);
    benchmark::DoNotOptimize(t);
  }
}
BENCHMARK(BM_YearTableEquationOfTime)->Unit(benchmark::kMillisecond);

void BM_YearTableMeridianPassage(benchmark::State& state) {
  const model::Model model;
  for (auto _ : state) {
    TableText t = BuildYearTable(model, YearTableKind::kMeridianPassage);
    benchmark::DoNotOptimize(t);
  }
}
BENCHMARK(BM_YearTableMeridianPassage)->Unit(benchmark::kMillisecond);

// December: 31 days of sun, twilight and moon.
void BM_MonthTableRiseSet(benchmark::State& state) {
  const model::Model model;
  for (auto _ : state) {
    TableText t = BuildMonthTable(model, 12);
    benchmark::DoNotOptimize(t);
  }
}
BENCHMARK(BM_MonthTableRiseSet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumtar::tables
