// One full "Calcular" on the largest block (20 strips of 20 exposures):
// reading the form, the flight parameters, 19 + 380 forward steps, the
// degrees-minutes-seconds and the whole report. The reference is the same
// number of moves made with GeographicLib's exact direct geodesic.
//
//   build/default/bench/calculo_bench --benchmark_repetitions=10
//     --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>
#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <memory>

#include "compute/calculo.h"

namespace {

using fotovuelo::FormField;
using fotovuelo::FormTexts;

FormTexts FullBlock() {
  FormTexts form = FormTexts::WorkedFlight();
  form[FormField::L] = "27.5";  // 20 photographs of 1380 m
  form[FormField::A] = "48";    // 20 strips of 2415 m
  form[FormField::Az_g] = "135";
  return form;
}

void BM_CalculoFullBlock(benchmark::State& state) {
  const FormTexts form = FullBlock();
  static char buffer[fotovuelo::kReportBufferSize];
  for (auto _ : state) {
    const auto refusal = fotovuelo::Calculo(form, buffer, sizeof buffer);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(buffer);
    benchmark::ClobberMemory();
  }
  fotovuelo::FlightResult result;
  if (fotovuelo::ComputeFlight(form, result) || result.parameters.nfajas != 20 ||
      result.parameters.nFot_faj != 20) {
    state.SkipWithError("the benchmark form is not a 20 x 20 block");
  }
}
BENCHMARK(BM_CalculoFullBlock)->Unit(benchmark::kMicrosecond);

void BM_GeographicLibDirect399(benchmark::State& state) {
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  for (auto _ : state) {
    double strip_lat = 40, strip_lon = -3;
    double sum = 0;
    for (int j = 0; j < 20; ++j) {
      if (j > 0)
        wgs84.Direct(strip_lat, strip_lon, 45.0, 2415.0, strip_lat, strip_lon);
      double lat = strip_lat, lon = strip_lon;
      for (int i = 1; i < 20; ++i)
        wgs84.Direct(lat, lon, 315.0, 1380.0, lat, lon);
      sum += lat + lon;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_GeographicLibDirect399)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
