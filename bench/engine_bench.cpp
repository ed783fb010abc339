// The engine's whole run, from the fourteen confirmed texts to the seventeen result texts, on the
// worked example and on a figure with sides of about 15 km (P outside, below AC).
#include <benchmark/benchmark.h>

#include "field_text.h"
#include "run.h"

namespace {

struct Figure {
  velmora::KnownPoints known;
  velmora::ObservedAngles observed;
};

// A(5000, 3000), B(6200, 4000), C(5100, 5200); P comes out at (3899.98, 4099.989).
const Figure kWorkedExample = {
    {"5000", "3000", "6200", "4000", "5100", "5200"},
    {"", "42.1745", "47.3529", "47.3613", "42.3039", "44.5957", "44.5315", "45.0646", "45.0005"}};

// A(20000, 10000), B(31000, 17000), C(19000, 25000): AB 13.0 km, BC 14.4 km, AC 15.0 km; the
// angles are those of P(6500, 18000) with a few seconds of error, so P comes out at
// (6500.031, 17999.916).
const Figure kFifteenKm = {
    {"20000", "10000", "31000", "17000", "19000", "25000"},
    {"", "34.4833", "61.2031", "55.3208", "28.1846", "31.3513", "64.3354", "52.2943", "31.2112"}};

void WholeRun(benchmark::State& state, const Figure& figure) {
  const velmora::RunResult check = velmora::RunWhole(figure.known, figure.observed);
  if (check.failure || check.texts.size() != velmora::kResultFieldCount) {
    state.SkipWithError("the figure does not run to its seventeen texts");
    return;
  }
  for (auto _ : state) {
    velmora::RunResult result = velmora::RunWhole(figure.known, figure.observed);
    benchmark::DoNotOptimize(result);
  }
}

BENCHMARK_CAPTURE(WholeRun, worked_example, kWorkedExample);
BENCHMARK_CAPTURE(WholeRun, fifteen_km, kFifteenKm);

}  // namespace
