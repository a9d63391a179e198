#include "compute/report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "compute/calculo.h"
#include "compute/cp1252.h"
#include "form_fixtures.h"

namespace fotovuelo {
namespace {

using testing::DataPath;
using testing::ReadFileBytes;
using testing::WorkedFlightWith;
using F = FormField;

std::string Report(const FlightForm& form) {
  static char buffer[kReportBufferSize];
  std::memset(buffer, 0, sizeof buffer);
  const auto refusal = Calculo(form, buffer, sizeof buffer);
  EXPECT_FALSE(refusal) << (refusal ? refusal->EnglishMessage() : "");
  return std::string(buffer);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string Utf8(const std::string& bytes) {
  return cp1252::ToUtf8(bytes);
}

// The exposure lines of a report, in UTF-8.
std::vector<std::string> ExposureLines(const std::string& report) {
  std::vector<std::string> out;
  for (const std::string& line : Lines(report)) {
    if (!line.empty() && line[0] == '\xD8')
      out.push_back(Utf8(line));
  }
  return out;
}

TEST(Report, GoldenFiles) {
  FormTexts southern_western = WorkedFlightWith({{F::Lat_g, "33"},
                                                 {F::Lat_m, "30"},
                                                 {F::Lat_s, "12.75"},
                                                 {F::Emis, "S"},
                                                 {F::Lon_g, "70"},
                                                 {F::Lon_m, "15"},
                                                 {F::Lon_s, "7.125"},
                                                 {F::Gree, "W"},
                                                 {F::Az_g, "135"},
                                                 {F::Az_m, "0"},
                                                 {F::Az_s, "30"}});
  southern_western.wgs84 = 0;
  southern_western.analogico = 0;
  const struct {
    const char* file;
    FormTexts form;
  } cases[] = {{"worked_flight_wgs84_analog.txt", FormTexts::WorkedFlight()},
               {"southern_western_hayford_digital.txt", southern_western}};
  for (const auto& c : cases) {
    const std::string golden = ReadFileBytes(DataPath(c.file));
    ASSERT_FALSE(golden.empty()) << c.file;
    EXPECT_EQ(Report(c.form), golden) << c.file;
  }
}

TEST(Report, HeaderOfTheWorkedFlight) {
  const std::vector<std::string> lines = Lines(Report(FormTexts::WorkedFlight()));
  ASSERT_GT(lines.size(), 40u);
  EXPECT_EQ(lines[0], "");  // the report begins with CR LF
  const std::vector<std::string> header = {
      "Altura de vuelo sobre el terreno m = 2286",
      "",
      "Base fotogramétrica m = 1380",
      "",
      "Avance lateral m = 2415",
      "",
      "Número de fotos por faja = 8",
      "",
      "Número de fajas = 3",
      "",
      "Cantidad de fotogramas = 24",
      "",
      "Longitud vuelo fotogramétrico Km = 50",
      "",
      "Superficie util Km2 = 3.333",
      "",
      "Cantidad de película m = 11.48",
      "",
      "Velocidad de operación del avión Km/h = 1349",
      "",
      "Tiempo de obturación para velocidad crucero sg = 0.0108",
      "",
      "Intervalo entre obturaciones sg = 3.682728",
      "",
      "",
      "Altura de vuelo sobre el nivel del mar m = 2586",
      "",
      "Escala mínima aproximada = 1/16312",
      "Escala maxima aproximada = 1/13687",
      "",
      "",
      "Coordenadas centro de toma comienzo líneas de vuelo:",
      "Latitud = 40° 0' 0\" N",
      "Longitud = 3° 0' 0\" W",
      "Acimut Elipsóidico de las líneas de vuelo= 0° 0' 0\" ",
      "",
      "",
      "Coordenadas Geográficas de los Centros de Toma",
      "",
      "Ø11 = 40° 0' 0.000\"N      Long11 = 3° 0' 0.000\"W",
  };
  for (std::size_t k = 0; k < header.size(); ++k)
    EXPECT_EQ(Utf8(lines[k + 1]), header[k]) << k;
}

TEST(Report, OptionalLines) {
  const std::string observation =
      "Observación: La velocidad de operacion esta por debajo de la velocidad minima de "
      "sustentación\r\n";
  const auto low = testing::LowSpeedFlight;
  const std::string below = Utf8(Report(low("541")));
  EXPECT_NE(below.find("Km/h = 540\r\n" + observation + "\r\nTiempo de obturación"),
            std::string::npos);
  EXPECT_EQ(Utf8(Report(low("540"))).find("Observación"), std::string::npos);

  FormTexts digital = FormTexts::WorkedFlight();
  digital.analogico = 0;
  const std::string text = Utf8(Report(digital));
  EXPECT_EQ(text.find("película"), std::string::npos);
  EXPECT_NE(text.find("Superficie util Km2 = 3.333\r\n\r\nVelocidad de operación"),
            std::string::npos);
}

TEST(Report, EmptyBlockEndsWithTheHeading) {
  for (const auto field : {F::A, F::L}) {
    const std::string report = Report(WorkedFlightWith({{field, "0"}}));
    const std::string tail =
        "Coordenadas Geogr\xE1"
        "ficas de los Centros de Toma\r\n\r\n";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
  }
}

TEST(Report, ExposureOrderAndLabels) {
  // Exposure number first, strip second, strip after strip.
  const auto lines = ExposureLines(Report(WorkedFlightWith({{F::L, "3.5"}, {F::A, "3"}})));
  std::vector<std::string> labels;
  for (const auto& line : lines)
    labels.push_back(line.substr(0, line.find(' ')));
  EXPECT_EQ(labels, (std::vector<std::string>{"Ø11", "Ø21", "Ø31", "Ø12", "Ø22", "Ø32"}));

  // Exposure 11 of strip 1 and exposure 1 of strip 11 share "Ø111".
  const auto big = ExposureLines(Report(WorkedFlightWith({{F::L, "15"}, {F::A, "25"}})));
  ASSERT_EQ(big.size(), 11u * 11u);
  EXPECT_EQ(big[10].substr(0, big[10].find(' ')), "Ø111");
  EXPECT_EQ(big[10 * 11].substr(0, big[110].find(' ')), "Ø111");
  EXPECT_NE(big[10].find("Long111 = "), std::string::npos);
}

TEST(Report, SecondsCarryAndThousandths) {
  // 10 deg 21 min comes back from the geodesy as 10, 20, 60.0 and prints as 10 21 0.000.
  const auto carried =
      ExposureLines(Report(WorkedFlightWith({{F::Lat_g, "10"}, {F::Lat_m, "21"}})));
  ASSERT_FALSE(carried.empty());
  EXPECT_EQ(carried[0], "Ø11 = 10° 21' 0.000\"N      Long11 = 3° 0' 0.000\"W");

  // A seconds value of 5.0 prints 5.000; 0.0425 prints 0.042 (truncated).
  FlightInputs in{};
  std::strcpy(in.StringEmis, "N");
  std::strcpy(in.StringGree, "");
  auto centres = std::make_unique<ExposureCentres>();
  centres->nfajas = centres->nFot_faj = 1;
  centres->Latitud[0][0] = 12.1;
  centres->Latitud_g[0][0] = 12;
  centres->Latitud_m[0][0] = 59;
  centres->Latitud_s[0][0] = 60.0f;  // carries into the minutes, then the degrees
  centres->Longitud[0][0] = 1.0;
  centres->Longitud_g[0][0] = 1;
  centres->Longitud_m[0][0] = 0;
  centres->Longitud_s[0][0] = 0.0425f;
  ReportedCentre c = ReportCentre(in, *centres, 0, 0);
  EXPECT_EQ(c.latitude.degrees, 13);
  EXPECT_EQ(c.latitude.minutes, 0);
  EXPECT_EQ(c.latitude.seconds, 0);
  EXPECT_EQ(c.latitude.thousandths, 0);
  EXPECT_EQ(c.longitude.seconds, 0);
  EXPECT_EQ(c.longitude.thousandths, 42);
  EXPECT_EQ(c.longitude.letter, "");  // an empty letter stays empty
  centres->Longitud_s[0][0] = 12.7f;  // 12.6999998...: 12 and 699, never rounded
  c = ReportCentre(in, *centres, 0, 0);
  EXPECT_EQ(c.longitude.seconds, 12);
  EXPECT_EQ(c.longitude.thousandths, 699);
  centres->Longitud_s[0][0] = 5.0f;
  c = ReportCentre(in, *centres, 0, 0);
  EXPECT_EQ(c.longitude.thousandths, 0);
}

TEST(Report, CentresAcrossTheEquatorAndGreenwichShowTheirSide) {
  // From 0 deg 0 min 30 sec N / 0 deg 0 min 20 sec E, lines south (azimuth 0)
  // and strips west: the block crosses both lines.
  const std::string report = Report(WorkedFlightWith({{F::Lat_g, "0"},
                                                      {F::Lat_m, "0"},
                                                      {F::Lat_s, "30"},
                                                      {F::Emis, "N"},
                                                      {F::Lon_g, "0"},
                                                      {F::Lon_m, "0"},
                                                      {F::Lon_s, "20"},
                                                      {F::Gree, " "}}));
  const auto lines = ExposureLines(report);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0], "Ø11 = 0° 0' 30.000\"N      Long11 = 0° 0' 20.000\" ");
  for (const auto& line : lines)
    EXPECT_EQ(line.find('-'), std::string::npos) << line;
  // 1380 m is 44.6 seconds of latitude: the second centre is south of the equator.
  EXPECT_EQ(lines[1].rfind("Ø21 = 0° 0' 14.", 0), 0u) << lines[1];
  EXPECT_NE(lines[1].find("\"S      Long21 = 0° 0' 20.000\" "), std::string::npos) << lines[1];
  // 2415 m west of 20 seconds east is 58.2 seconds west of Greenwich.
  EXPECT_NE(lines[8].find("Long12 = 0° 0' 58."), std::string::npos) << lines[8];
  EXPECT_EQ(lines[8].substr(lines[8].size() - 1), "W");
}

TEST(Report, RewritesTheBufferWithoutTouchingItsTail) {
  static char buffer[kReportBufferSize];
  std::memset(buffer, 'x', sizeof buffer);
  ASSERT_FALSE(Calculo(FormTexts::WorkedFlight(), buffer, sizeof buffer));
  const std::string first(buffer);
  EXPECT_EQ(first.size(), std::strlen(buffer));
  for (std::size_t k = first.size(); k < 30000; ++k)
    ASSERT_EQ(buffer[k], '\0') << k;
  for (std::size_t k = 30000; k < sizeof buffer; ++k)
    ASSERT_EQ(buffer[k], 'x') << k;
  ASSERT_FALSE(Calculo(FormTexts::WorkedFlight(), buffer, sizeof buffer));
  EXPECT_EQ(std::string(buffer), first);  // the same data gives the same bytes
}

TEST(Report, RefusedRunLeavesTheBufferAsItWas) {
  static char buffer[kReportBufferSize];
  ASSERT_FALSE(Calculo(FormTexts::WorkedFlight(), buffer, sizeof buffer));
  const std::string before(buffer, sizeof buffer);
  const auto refusal = Calculo(WorkedFlightWith({{F::f, "0"}}), buffer, sizeof buffer);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->field, F::f);
  EXPECT_EQ(std::string(buffer, sizeof buffer), before);
}

TEST(Report, NeverRunsPastASmallBuffer) {
  char small[64];
  std::memset(small, 'x', sizeof small);
  ASSERT_FALSE(Calculo(FormTexts::WorkedFlight(), small, sizeof small));
  EXPECT_EQ(small[63], '\0');
  EXPECT_EQ(std::strlen(small), 63u);
}

TEST(Report, GlobalBufferStartsEmpty) {
  // Nothing in this test binary writes the global buffer.
  EXPECT_EQ(buffer_Tesmara[0], '\0');
  EXPECT_EQ(sizeof buffer_Tesmara, 100000u);
}

}  // namespace
}  // namespace fotovuelo
