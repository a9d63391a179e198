// How far the exposure centres lie from where exact geodesics put them.
//
// The block steps with a truncated Puissant formula: each move takes its
// direction from the block's azimuth, not from the previous step. The exact
// reference makes the same moves (same lengths, same azimuths, each from the
// previous exact point) with the exact direct geodesic, so the distance
// measures only the formula's truncation, accumulated over a 20 x 20 block.
#include <gtest/gtest.h>
#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "compute/calculo.h"
#include "form_fixtures.h"

namespace fotovuelo {
namespace {

using F = FormField;

struct Case {
  const char* lat_deg;
  const char* emis;
  const char* az_deg;
  bool wgs84;
};

// Largest distance, in metres, between a centre and its exact position.
double WorstDistance(const Case& c) {
  // Bases and spacings of 1 to 2.5 km give a full 20 x 20 block.
  FormTexts form = testing::WorkedFlightWith({{F::L, "27.5"},
                                              {F::A, "48"},
                                              {F::Lat_g, c.lat_deg},
                                              {F::Lat_m, "10"},
                                              {F::Lat_s, "0"},
                                              {F::Emis, c.emis},
                                              {F::Lon_g, "3"},
                                              {F::Gree, "W"},
                                              {F::Az_g, c.az_deg},
                                              {F::Az_m, "0"}});
  form.wgs84 = c.wgs84 ? 1 : 0;
  auto result = std::make_unique<FlightResult>();
  const auto refusal = ComputeFlight(form, *result);
  EXPECT_FALSE(refusal);
  const FlightParameters& p = result->parameters;
  const ExposureCentres& centres = result->centres;
  EXPECT_EQ(p.nfajas, 20);
  EXPECT_EQ(p.nFot_faj, 20);

  const double f = 1 - std::sqrt(1 - p.e2);
  const GeographicLib::Geodesic geodesic(p.a, f);
  const double lat_sign = result->inputs.Emis ? -1 : 1;
  const double lon_sign = result->inputs.Greew ? -1 : 1;
  // Azimuths here run clockwise from south; the geodesic's from north.
  const double along = p.az + 180;
  const double across = p.az + 90 + 180;

  double worst = 0;
  double strip_lat = lat_sign * p.lat;
  double strip_lon = lon_sign * p.lon;
  for (int j = 0; j < p.nfajas; ++j) {
    if (j > 0)
      geodesic.Direct(strip_lat, strip_lon, across, p.am, strip_lat, strip_lon);
    double lat = strip_lat;
    double lon = strip_lon;
    for (int i = 0; i < p.nFot_faj; ++i) {
      if (i > 0)
        geodesic.Direct(lat, lon, along, p.bm, lat, lon);
      double distance = 0;
      geodesic.Inverse(lat, lon, lat_sign * centres.Latitud[i][j],
                       lon_sign * centres.Longitud[i][j], distance);
      worst = std::max(worst, distance);
    }
  }
  return worst;
}

TEST(GeodesicOracle, FullBlocksStayCloseToExactGeodesics) {
  // Measured distances, in metres, over every centre of each block (about
  // 26 km x 46 km). Lines along a meridian or a parallel stay within
  // millimetres. Oblique lines drift by about 0.125 m per 1380 m step at 40
  // degrees, all of it in longitude: the longitude of a step is reduced with
  // the radius and cosine of the latitude it starts from, which grows with
  // tan(latitude) and with the latitude change of the step. Each bound is the
  // measurement with 5 % and 1 cm to spare, so a wrong term shows at once.
  const struct {
    Case block;
    double measured;
  } cases[] = {
      {{"0", "N", "0", true}, 0.0001},      {{"0", "N", "45", true}, 0.0470},
      {{"20", "N", "90", true}, 0.0002},    {{"40", "N", "0", true}, 0.0017},
      {{"40", "N", "135", true}, 7.3432},   {{"40", "S", "225", false}, 7.3428},
      {{"55", "S", "300", true}, 10.8087},  {{"70", "N", "45", true}, 24.0287},
      {{"70", "S", "160", false}, 15.4418},
  };
  for (const auto& c : cases) {
    const double d = WorstDistance(c.block);
    EXPECT_LT(d, c.measured * 1.05 + 0.01)
        << c.block.lat_deg << c.block.emis << " azimuth " << c.block.az_deg;
    // Far below the bound would mean the oracle no longer measures the same moves.
    EXPECT_GT(d, c.measured * 0.95 - 0.01)
        << c.block.lat_deg << c.block.emis << " azimuth " << c.block.az_deg;
  }
}

}  // namespace
}  // namespace fotovuelo
