#include "compute/flight_parameters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "compute/cp1252.h"
#include "form_fixtures.h"

namespace fotovuelo {
namespace {

using testing::WorkedFlightWith;
using F = FormField;

struct Outcome {
  FlightInputs in;
  FlightParameters p;
  std::optional<Refusal> refusal;
};

Outcome Compute(const FlightForm& form) {
  Outcome run;
  run.in = ReadForm(form);
  run.refusal = ComputeFlightParameters(run.in, run.p);
  return run;
}

TEST(FlightParameters, WorkedFlightAnalogueWgs84) {
  const Outcome r = Compute(FormTexts::WorkedFlight());
  ASSERT_FALSE(r.refusal);
  const FlightParameters& p = r.p;
  EXPECT_EQ(p.Hm, 2286.0f);
  EXPECT_EQ(p.bm, 1380.0f);
  EXPECT_EQ(p.am, 2415.0f);
  EXPECT_NEAR(p.Cbm, 7.24638, 1e-5);
  EXPECT_NEAR(p.Cam, 2.07039, 1e-5);
  EXPECT_EQ(p.nFot_faj, 8);
  EXPECT_EQ(p.nfajas, 3);
  EXPECT_EQ(p.N, 24);
  EXPECT_EQ(p.Lvf, 50.0f);
  EXPECT_FLOAT_EQ(p.Su, 3.3327f);
  ASSERT_TRUE(p.Pel);
  EXPECT_FLOAT_EQ(*p.Pel, 11.48f);
  EXPECT_EQ(p.Vo, 1349);  // 1349.99994: 0.002 is held as 0.0020000000949949026
  EXPECT_FLOAT_EQ(p.t_obVc, 0.0108f);
  EXPECT_NEAR(p.t, 3.68273, 1e-5);
  EXPECT_EQ(p.Hnm, 2586);
  EXPECT_EQ(p.Escmin, 16312);
  EXPECT_EQ(p.Escmax, 13687);
  EXPECT_EQ(p.a, 6378137.0f);
  EXPECT_EQ(p.e2, 0.00669437999016);
  EXPECT_FALSE(p.LowSpeed(r.in));
  // Frame sides and area are held in metres from here on.
  EXPECT_EQ(r.in.Ldimsr, static_cast<float>(230 * static_cast<long double>(0.001)));
  EXPECT_EQ(r.in.L, 10000.0f);
}

TEST(FlightParameters, DigitalCameraHasNoTurnsAndNoFilm) {
  FormTexts form = FormTexts::WorkedFlight();
  form.analogico = 0;
  const Outcome digital = Compute(form);
  const Outcome analogue = Compute(FormTexts::WorkedFlight());
  ASSERT_FALSE(digital.refusal);
  EXPECT_EQ(digital.p.Lvf, 30.0f);
  EXPECT_FALSE(digital.p.Pel);
  EXPECT_EQ(digital.p.Su, analogue.p.Su);
  EXPECT_EQ(digital.p.Vo, analogue.p.Vo);
  EXPECT_EQ(digital.p.N, analogue.p.N);
  EXPECT_EQ(digital.p.Escmin, analogue.p.Escmin);
}

TEST(FlightParameters, SingleShutterTimeTruncatesTheOperatingSpeed) {
  const struct {
    const char* scale;
    const char* shutter;
    int Vo;
  } cases[] = {{"15000", "0.002", 1349},
               {"20000", "0.004", 899},
               {"30000", "0.01", 540},
               {"10000", "0.001", 1799}};
  for (const auto& c : cases) {
    const Outcome r = Compute(WorkedFlightWith({{F::Mf, c.scale}, {F::VOBTU, c.shutter}}));
    ASSERT_FALSE(r.refusal) << c.scale;
    EXPECT_EQ(r.p.Vo, c.Vo) << c.scale << " " << c.shutter;
  }
}

TEST(FlightParameters, CountsAreTheCeilingOfTheSingleQuotient) {
  // 10000 x 0.2 x 0.4 = 800 m; 4 km / 800 m is exactly 5: nothing added.
  const Outcome exact = Compute(WorkedFlightWith(
      {{F::Mf, "10000"}, {F::LDIMSR, "200"}, {F::P, "60"}, {F::L, "4"}, {F::A, "1.61"}}));
  ASSERT_FALSE(exact.refusal);
  EXPECT_EQ(exact.p.bm, 800.0f);
  EXPECT_EQ(exact.p.Cbm, 5.0f);
  EXPECT_EQ(exact.p.nFot_faj, 5);
  // 1.61 km / (10000 x 0.23 x 0.7 = 1610 m) is 1 in single precision.
  EXPECT_EQ(exact.p.nfajas, 1);

  const Outcome zero_width = Compute(WorkedFlightWith({{F::A, "0"}}));
  ASSERT_FALSE(zero_width.refusal);
  EXPECT_EQ(zero_width.p.nfajas, 0);
  EXPECT_EQ(zero_width.p.N, 0);
  EXPECT_EQ(zero_width.p.Lvf, 0.0f);  // no strip, so no turn between strips

  const Outcome zero_length = Compute(WorkedFlightWith({{F::L, ""}}));
  ASSERT_FALSE(zero_length.refusal);
  EXPECT_EQ(zero_length.p.nFot_faj, 0);
  EXPECT_EQ(zero_length.p.N, 0);
  EXPECT_EQ(*zero_length.p.Pel, 5.0f);
  EXPECT_EQ(zero_length.p.Lvf, 20.0f);  // three strips of nothing, two turns
}

TEST(FlightParameters, ScaleNumberEntersAsARealQuotientOfThousands) {
  const Outcome r = Compute(WorkedFlightWith({{F::Mf, "15500"}}));
  ASSERT_FALSE(r.refusal);
  EXPECT_FLOAT_EQ(r.p.Hm, 2362.2f);
  EXPECT_FLOAT_EQ(r.p.bm, 1426.0f);
  EXPECT_FLOAT_EQ(r.p.am, 2495.5f);
  // 15.5, not 15: area, speed and shutter time follow the real scale.
  EXPECT_FLOAT_EQ(r.p.Su, 15.5f * 15.5f * 0.23f * 0.23f * 0.4f * 0.7f);
  EXPECT_EQ(r.p.Vo, 1394);  // 15.5 x 180 / 2.0000000949949026 = 1394.99993
  EXPECT_FLOAT_EQ(r.p.t_obVc, 0.01116f);

  const Outcome small =
      Compute(WorkedFlightWith({{F::Mf, "500"}, {F::VOBTU, "0.0005"}, {F::L, "0.9"}, {F::A, "1"}}));
  ASSERT_FALSE(small.refusal) << small.refusal->rule_en;
  EXPECT_EQ(small.p.Vo, 179);  // 0.5 x 180 / 0.5 = 180 less the float excess of 0.0005
}

TEST(FlightParameters, ExtendedPrecisionDecidesTruncatedScales) {
  // 2016 / (150 x 0.001) is 13439.99... with a 64-bit significand and
  // exactly 13440 in double: the former is the scale the program prints.
  const Outcome r = Compute(
      WorkedFlightWith({{F::Mf, "10000"}, {F::f, "150"}, {F::Cotmin, "0"}, {F::Cotmed, "516"}}));
  ASSERT_FALSE(r.refusal);
  EXPECT_EQ(r.p.Hm, 1500.0f);
  EXPECT_EQ(r.p.Escmin, 13439);
}

TEST(FlightParameters, LowSpeedConditionIsStrict) {
  const auto form = testing::LowSpeedFlight;
  const Outcome below = Compute(form("600"));
  ASSERT_FALSE(below.refusal);
  EXPECT_EQ(below.p.Vo, 540);
  EXPECT_TRUE(below.p.LowSpeed(below.in));
  const Outcome equal = Compute(form("540"));
  EXPECT_FALSE(equal.p.LowSpeed(equal.in));
  const Outcome one_above = Compute(form("541"));
  EXPECT_TRUE(one_above.p.LowSpeed(one_above.in));
}

TEST(FlightParameters, ButtonsAndLetters) {
  FormTexts form = FormTexts::WorkedFlight();
  form.wgs84 = 0;
  form.analogico = 2;  // only a state of exactly 1 counts as checked
  Outcome r = Compute(form);
  EXPECT_EQ(r.p.a, 6378388.0f);
  EXPECT_EQ(r.p.e2, 0.00672265318721);
  EXPECT_FALSE(r.in.analogico);
  EXPECT_FALSE(r.p.Pel);

  const struct {
    const char* emis;
    const char* gree;
    bool south;
    bool west;
  } letters[] = {{"S", "W", true, true},
                 {"N", "E", false, false},
                 {" ", " ", false, false},
                 {"", "", false, false},
                 {"s", "w", false, false}};
  for (const auto& c : letters) {
    r = Compute(WorkedFlightWith({{F::Emis, c.emis}, {F::Gree, c.gree}}));
    EXPECT_EQ(r.in.Emis, c.south) << '"' << c.emis << '"';
    EXPECT_EQ(r.in.Greew, c.west) << '"' << c.gree << '"';
    EXPECT_STREQ(r.in.StringEmis, c.emis);
  }
}

TEST(FlightParameters, StartPointAndAzimuth) {
  Outcome r = Compute(WorkedFlightWith({{F::Lat_g, "30"}}));
  EXPECT_EQ(r.p.lat, 30.0);
  EXPECT_NEAR(r.p.lat_r, 0.5235987755, 1e-12);  // the ten-digit PI, not pi/6
  EXPECT_GT(std::fabs(r.p.lat_r - 0.5235987755982988), 5e-11);

  r = Compute(WorkedFlightWith({{F::Lat_g, "0"}, {F::Lat_m, "75"}}));
  EXPECT_EQ(r.p.lat, 1.25);  // minutes of 60 or more are summed as they come

  r = Compute(WorkedFlightWith({{F::Az_g, "135"}, {F::Az_m, "30"}, {F::Az_s, "36"}}));
  EXPECT_DOUBLE_EQ(r.p.az, 135.51);
  EXPECT_DOUBLE_EQ(r.p.az_r, 2 * 3.141592653 * 135.51 / 360);
}

TEST(FlightParameters, TerrainAboveTheAircraftGivesANegativeScale) {
  const Outcome r = Compute(WorkedFlightWith({{F::Cotmax, "3300"}}));
  ASSERT_FALSE(r.refusal);
  EXPECT_EQ(r.p.Escmax, -4685);
}

TEST(FlightParameters, RefusesInputWithoutAResult) {
  const struct {
    std::initializer_list<std::pair<FormField, const char*>> changes;
    FormField field;
    const char* rule;
  } cases[] = {
      {{{F::Mf, ""}}, F::Mf, "must not be 0"},
      {{{F::Mf, "0"}}, F::Mf, "must not be 0"},
      {{{F::f, "0"}}, F::f, "greater than 0"},
      {{{F::LDIMSR, ""}}, F::LDIMSR, "greater than 0"},
      {{{F::ADIMSR, "0.0"}}, F::ADIMSR, "greater than 0"},
      {{{F::VOBTU, ""}}, F::VOBTU, "greater than 0"},
      {{{F::Vc, "0"}}, F::Vc, "greater than 0"},
      {{{F::Mf, "1000"}, {F::VOBTU, "0.2"}, {F::L, "1"}, {F::A, "1"}}, F::VOBTU, "below 1 km/h"},
      {{{F::L, "30"}}, F::L, "more than 20 photographs"},
      {{{F::A, "49"}}, F::A, "more than 20 strips"},
      {{{F::f, "0.0001"}, {F::Cotmed, "9999"}}, F::f, "smallest scale"},
      {{{F::Mf, "999999"}, {F::f, "9999999"}, {F::L, "1"}, {F::A, "1"}}, F::f, "flying altitude"},
      {{{F::Lat_s, "9e99"}}, F::Lat_s, "not a finite number"},
      // No form field takes a minus sign, but a program handing texts over may.
      {{{F::L, "-2"}}, F::L, "negative number of photographs"},
      {{{F::Mf, "-15000"}}, F::L, "negative number of photographs"},
      {{{F::LDIMSR, "230E21"}, {F::ADIMSR, "230E21"}}, F::LDIMSR, "the useful area infinite"},
  };
  for (const auto& c : cases) {
    const Outcome r = Compute(WorkedFlightWith(c.changes));
    ASSERT_TRUE(r.refusal) << c.rule;
    EXPECT_EQ(r.refusal->field, c.field) << c.rule;
    EXPECT_NE(r.refusal->EnglishMessage().find(c.rule), std::string::npos)
        << r.refusal->EnglishMessage();
  }
}

TEST(FlightParameters, TwentyIsTheLargestCount) {
  // A base of 10000 x 0.125 x 0.4 = 500 m: 10 km is exactly 20 photographs;
  // a base of 496 m needs a 21st.
  Outcome r = Compute(WorkedFlightWith({{F::Mf, "10000"}, {F::LDIMSR, "125"}}));
  ASSERT_FALSE(r.refusal);
  EXPECT_EQ(r.p.bm, 500.0f);
  EXPECT_EQ(r.p.nFot_faj, 20);
  r = Compute(WorkedFlightWith({{F::Mf, "10000"}, {F::LDIMSR, "124"}}));
  ASSERT_TRUE(r.refusal);
  EXPECT_EQ(r.refusal->field, F::L);
}

TEST(FlightParameters, RefusalMessagesNameTheFieldInSpanish) {
  const Outcome r = Compute(WorkedFlightWith({{F::VOBTU, "0"}}));
  ASSERT_TRUE(r.refusal);
  EXPECT_EQ(cp1252::ToUtf8(r.refusal->SpanishMessage()),
            "El dato «T. Obturación»: debe ser mayor que 0.");
  EXPECT_EQ(r.refusal->EnglishMessage(), "shutter time (T. Obturación) must be greater than 0");
}

}  // namespace
}  // namespace fotovuelo
