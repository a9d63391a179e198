#include "compute/exposure_centres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>

#include "compute/report.h"
#include "form_fixtures.h"

namespace fotovuelo {
namespace {

using F = FormField;

// A block laid out directly: start point, letters, azimuth, base, spacing,
// counts and ellipsoid, as the geodesy receives them.
struct Block {
  const char* lat[3];
  const char* emis;
  const char* lon[3];
  const char* gree;
  const char* az[3];
  float bm;
  float am;
  int nfajas;
  int nFot_faj;
  bool wgs84;
};

struct Computed {
  FlightInputs in;
  FlightParameters p;
  std::unique_ptr<ExposureCentres> c = std::make_unique<ExposureCentres>();
  std::optional<Refusal> refusal;
};

Computed ComputeBlock(const Block& b) {
  FormTexts form = FormTexts::WorkedFlight();
  form[F::Lat_g] = b.lat[0], form[F::Lat_m] = b.lat[1], form[F::Lat_s] = b.lat[2];
  form[F::Lon_g] = b.lon[0], form[F::Lon_m] = b.lon[1], form[F::Lon_s] = b.lon[2];
  form[F::Az_g] = b.az[0], form[F::Az_m] = b.az[1], form[F::Az_s] = b.az[2];
  form[F::Emis] = b.emis;
  form[F::Gree] = b.gree;
  form.wgs84 = b.wgs84 ? 1 : 0;
  Computed r;
  r.in = ReadForm(form);
  EXPECT_FALSE(ComputeFlightParameters(r.in, r.p));
  r.p.bm = b.bm;
  r.p.am = b.am;
  r.p.nfajas = b.nfajas;
  r.p.nFot_faj = b.nFot_faj;
  r.refusal = ComputeExposureCentres(r.in, r.p, *r.c);
  return r;
}

struct Expected {
  int i, j;
  int lat_g, lat_m;
  double lat_s;
  int lon_g, lon_m;
  double lon_s;
};

void ExpectCentres(const Computed& r, std::initializer_list<Expected> expected) {
  ASSERT_FALSE(r.refusal);
  for (const Expected& e : expected) {
    const ExposureCentres& c = *r.c;
    EXPECT_EQ(c.Latitud_g[e.i][e.j], e.lat_g) << e.i << "," << e.j;
    EXPECT_EQ(c.Latitud_m[e.i][e.j], e.lat_m) << e.i << "," << e.j;
    EXPECT_NEAR(c.Latitud_s[e.i][e.j], e.lat_s, 0.001) << e.i << "," << e.j;
    EXPECT_EQ(c.Longitud_g[e.i][e.j], e.lon_g) << e.i << "," << e.j;
    EXPECT_EQ(c.Longitud_m[e.i][e.j], e.lon_m) << e.i << "," << e.j;
    EXPECT_NEAR(c.Longitud_s[e.i][e.j], e.lon_s, 0.001) << e.i << "," << e.j;
  }
}

TEST(ExposureCentres, WorkedExampleWgs84) {
  const Computed r = ComputeBlock(
      {{"40", "0", "0"}, "N", {"3", "0", "0"}, "W", {"0", "0", "0"}, 1000, 2000, 2, 2, true});
  // The lines run south; the second strip lies west and drifts slightly south.
  ExpectCentres(r, {{0, 0, 40, 0, 0.000, 3, 0, 0.000},
                    {1, 0, 39, 59, 27.578, 3, 0, 0.000},
                    {0, 1, 39, 59, 59.991, 3, 1, 24.315},
                    {1, 1, 39, 59, 27.569, 3, 1, 24.315}});
}

TEST(ExposureCentres, WorkedExampleHayford) {
  const Computed r = ComputeBlock(
      {{"33", "30", "0"}, "S", {"70", "15", "0"}, "E", {"135", "0", "0"}, 800, 1500, 2, 2, false});
  // Lines north-west toward the equator; strips north-east, east of the first.
  ExpectCentres(r, {{0, 0, 33, 30, 0.000, 70, 15, 0.000},
                    {1, 0, 33, 29, 41.639, 70, 14, 38.085},
                    {0, 1, 33, 29, 25.572, 70, 15, 41.090},
                    {1, 1, 33, 29, 7.211, 70, 15, 19.178}});
}

TEST(ExposureCentres, AzimuthIsClockwiseFromSouth) {
  // Sign of the change of the latitude and longitude magnitudes along a
  // line (i = 0 -> 1) and across the strips (j = 0 -> 1), in a northern and
  // eastern block and in a southern and western one.
  const struct {
    const char* az;
    const char* emis;
    const char* gree;
    int line_lat, line_lon, strip_lat, strip_lon;
  } cases[] = {
      {"0", "N", "E", -1, 0, 0, -1},   {"90", "N", "E", 0, -1, +1, 0},
      {"180", "N", "E", +1, 0, 0, +1}, {"270", "N", "E", 0, +1, -1, 0},
      {"0", "S", "W", +1, 0, 0, +1},   {"90", "S", "W", 0, +1, -1, 0},
      {"180", "S", "W", -1, 0, 0, -1}, {"270", "S", "W", 0, -1, +1, 0},
  };
  const auto sign = [](double d) { return std::fabs(d) < 1e-6 ? 0 : (d > 0 ? 1 : -1); };
  for (const auto& c : cases) {
    const Computed r = ComputeBlock({{"40", "0", "0"},
                                     c.emis,
                                     {"3", "0", "0"},
                                     c.gree,
                                     {c.az, "0", "0"},
                                     1000,
                                     1000,
                                     2,
                                     2,
                                     true});
    const ExposureCentres& e = *r.c;
    const std::string what = std::string(c.az) + " " + c.emis + c.gree;
    EXPECT_EQ(sign(e.Latitud[1][0] - e.Latitud[0][0]), c.line_lat) << what;
    EXPECT_EQ(sign(e.Longitud[1][0] - e.Longitud[0][0]), c.line_lon) << what;
    EXPECT_EQ(sign(e.Latitud[0][1] - e.Latitud[0][0]), c.strip_lat) << what;
    EXPECT_EQ(sign(e.Longitud[0][1] - e.Longitud[0][0]), c.strip_lon) << what;
  }
  // Along a line of azimuth 0 the longitude does not change at all.
  const Computed south = ComputeBlock(
      {{"40", "0", "0"}, "N", {"3", "0", "0"}, "W", {"0", "0", "0"}, 1380, 2415, 3, 8, true});
  for (int i = 1; i < 8; ++i)
    EXPECT_EQ(south.c->Longitud[i][2], south.c->Longitud[0][2]);
}

TEST(ExposureCentres, SmallBlocks) {
  // One strip: no strip step; the start point and its line.
  Computed r = ComputeBlock(
      {{"40", "0", "0"}, "N", {"3", "0", "0"}, "W", {"0", "0", "0"}, 1000, 2000, 1, 3, true});
  ASSERT_FALSE(r.refusal);
  EXPECT_EQ(r.c->Latitud[0][0], 40.0);
  EXPECT_LT(r.c->Latitud[2][0], r.c->Latitud[1][0]);
  // One exposure per strip: only the strip starts, each converted.
  r = ComputeBlock(
      {{"40", "0", "0"}, "N", {"3", "0", "0"}, "W", {"0", "0", "0"}, 1000, 2000, 3, 1, true});
  ASSERT_FALSE(r.refusal);
  EXPECT_EQ(r.c->Longitud_m[0][2], 2);
  EXPECT_NEAR(r.c->Longitud_s[0][2], 48.63, 0.01);
  // No strips, or no exposures: nothing to convert, nothing refused.
  r = ComputeBlock(
      {{"40", "0", "0"}, "N", {"3", "0", "0"}, "W", {"0", "0", "0"}, 1000, 2000, 0, 5, true});
  EXPECT_FALSE(r.refusal);
  // A full block fills every element.
  r = ComputeBlock(
      {{"40", "0", "0"}, "N", {"3", "0", "0"}, "W", {"30", "0", "0"}, 1000, 2000, 20, 20, true});
  ASSERT_FALSE(r.refusal);
  for (int j = 0; j < 20; ++j) {
    for (int i = 0; i < 20; ++i) {
      if (i > 0) {
        EXPECT_NE(r.c->Latitud[i][j], r.c->Latitud[i - 1][j]) << i << "," << j;
      }
      if (j > 0) {
        EXPECT_NE(r.c->Longitud[i][j], r.c->Longitud[i][j - 1]) << i << "," << j;
      }
    }
  }
}

TEST(ExposureCentres, EquatorAndTenDigitPi) {
  // On the equator C and D vanish, yet the cosine of 90 degrees taken with
  // the ten-digit PI is 2.95e-10, so a westward line sinks by ~2.7e-12 deg.
  const Computed r = ComputeBlock(
      {{"0", "0", "0"}, "N", {"10", "0", "0"}, "E", {"90", "0", "0"}, 1000, 1000, 1, 3, true});
  ASSERT_FALSE(r.refusal);
  StepCoefficients c{};
  const StepDirection west = StepDirection::Make(r.p.az_r, r.p.az, false);
  ForwardStep({0, 0, 10}, 1000, west, {r.p.a, r.p.e2, 1}, &c);
  EXPECT_EQ(c.C, 0.0);
  EXPECT_EQ(c.D, 0.0);
  EXPECT_NEAR(r.c->Latitud[1][0], -2.7e-12, 0.3e-12);
  EXPECT_EQ(r.c->Latitud_g[1][0], 0);
  EXPECT_EQ(r.c->Latitud_m[1][0], 0);
  EXPECT_LT(r.c->Latitud_s[1][0], 0.0f);
  EXPECT_GT(r.c->Latitud_s[1][0], -1e-6f);
}

TEST(ExposureCentres, DegreesMinutesSeconds) {
  // Across the equator all three parts are negative.
  auto dms = ToDegreesMinutesSeconds(-0.51);
  ASSERT_TRUE(dms);
  EXPECT_EQ(dms->g, 0);
  EXPECT_EQ(dms->m, -30);
  EXPECT_FLOAT_EQ(dms->s, -36.0f);
  // 10 deg 21 min converts back to 10, 20 and a float 60.0; 10 deg 20 min to
  // 10, 20 and a few picoseconds. Nothing is carried here.
  dms = ToDegreesMinutesSeconds(10 + 21 / 60.0L);
  EXPECT_EQ(dms->g, 10);
  EXPECT_EQ(dms->m, 20);
  EXPECT_EQ(dms->s, 60.0f);
  dms = ToDegreesMinutesSeconds(10 + 20 / 60.0L);
  EXPECT_EQ(dms->m, 20);
  EXPECT_NEAR(dms->s, 2.1e-12, 0.1e-12);
  EXPECT_FALSE(ToDegreesMinutesSeconds(2147483647.0));
  EXPECT_FALSE(ToDegreesMinutesSeconds(NAN));
  EXPECT_TRUE(ToDegreesMinutesSeconds(-2147483646.5));
}

TEST(ExposureCentres, SquareRootAndPowerFunctionGiveTheSameCentres) {
  // W^1.5 as W times its square root, or with the general power function:
  // every centre of full blocks all over the globe must read the same.
  int blocks = 0;
  for (int lat = 0; lat <= 85; lat += 5) {
    for (int az = 0; az < 360; az += 30) {
      for (const char* emis : {"N", "S"}) {
        FormTexts form = testing::WorkedFlightWith(
            {{F::L, "27.5"}, {F::A, "48"}, {F::Emis, emis}, {F::Lat_m, "7"}, {F::Lat_s, "13.5"}});
        const std::string lat_text = std::to_string(lat), az_text = std::to_string(az);
        form[F::Lat_g] = lat_text;
        form[F::Az_g] = az_text;
        FlightInputs in = ReadForm(form);
        FlightParameters p;
        ASSERT_FALSE(ComputeFlightParameters(in, p));
        auto fast = std::make_unique<ExposureCentres>();
        auto general = std::make_unique<ExposureCentres>();
        ASSERT_FALSE(ComputeExposureCentres(in, p, *fast, PowerOfW::kSquareRoot));
        ASSERT_FALSE(ComputeExposureCentres(in, p, *general, PowerOfW::kGeneral));
        for (int j = 0; j < p.nfajas; ++j) {
          for (int i = 0; i < p.nFot_faj; ++i) {
            const ReportedCentre a = ReportCentre(in, *fast, i, j);
            const ReportedCentre b = ReportCentre(in, *general, i, j);
            ASSERT_EQ(std::tie(a.latitude.degrees, a.latitude.minutes, a.latitude.seconds,
                               a.latitude.thousandths, a.longitude.degrees, a.longitude.minutes,
                               a.longitude.seconds, a.longitude.thousandths),
                      std::tie(b.latitude.degrees, b.latitude.minutes, b.latitude.seconds,
                               b.latitude.thousandths, b.longitude.degrees, b.longitude.minutes,
                               b.longitude.seconds, b.longitude.thousandths))
                << lat << emis << " azimuth " << az << " centre " << i << "," << j;
          }
        }
        ++blocks;
      }
    }
  }
  EXPECT_EQ(blocks, 18 * 12 * 2);
}

TEST(ExposureCentres, RunawayStepsNearThePoleAreRefused) {
  // At 90 degrees the cosine is 2.95e-10, not 0: a 200 km westward strip
  // step moves the longitude by billions of degrees.
  const Computed r = ComputeBlock(
      {{"90", "0", "0"}, "N", {"3", "0", "0"}, "E", {"0", "0", "0"}, 2000, 200000, 2, 1, true});
  ASSERT_TRUE(r.refusal);
  EXPECT_TRUE(r.refusal->field == F::Lat_g || r.refusal->field == F::Lon_g);
}

}  // namespace
}  // namespace fotovuelo
