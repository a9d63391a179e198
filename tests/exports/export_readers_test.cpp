// Every format of the worked flight and of blocks that cross the equator, the
// Greenwich meridian and the antimeridian, opened by GDAL's ogrinfo as a GIS
// would open them: the same centres as the report, in its order, with its
// degrees-minutes-seconds texts and numbers that agree with them to the
// thousandth of a second, and one line per strip through its centres.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "export_harness.h"

namespace fotovuelo::exports_test {
namespace {

struct Block {
  const char* name;
  std::vector<std::string> args;
};

const std::vector<Block>& Blocks() {
  static const std::vector<Block> blocks = {
      {"WorkedFlight", {"--example"}},
      // Lines run south across the equator; strips step west across Greenwich.
      {"FromNorthEastAcrossEquatorAndGreenwich",
       {"--example", "--lat-deg", "0", "--lat-min", "0", "--lat-sec", "30", "--lat-hemisphere", "N",
        "--lon-deg", "0", "--lon-min", "0", "--lon-sec", "30", "--lon-side", "E"}},
      // Lines run north, strips step east: the other way over both.
      {"FromSouthWestAcrossEquatorAndGreenwich",
       {"--example", "--lat-deg", "0", "--lat-min", "0", "--lat-sec", "30", "--lat-hemisphere", "S",
        "--lon-deg", "0", "--lon-min", "0", "--lon-sec", "30", "--lon-side", "W", "--az-deg",
        "180"}},
      {"ObliqueSouthernBlockOnHayford",
       {"--example", "--lat-hemisphere", "S", "--az-deg", "37", "--az-min", "30", "--az-sec", "15",
        "--ellipsoid", "hayford"}},
      // Strips step east past 180 degrees: the report says 180° ...E, a map -179.9.
      {"AcrossTheAntimeridian",
       {"--example", "--lon-deg", "179", "--lon-min", "58", "--lon-side", "E", "--az-deg", "180"}},
  };
  return blocks;
}

struct Reader {
  const char* format;
  const char* ogrinfo_options;  // before the file
  const char* layers;           // after the file; empty: all layers (-al)
  const char* label_field;
  // How the latitude and longitude texts are carried: two fields, or one
  // field holding both, separated by a blank.
  const char* latitude_dms_field;
  const char* longitude_dms_field;
  bool has_lines;
};

const Reader kReaders[] = {
    {"geojson", "", "", "label", "latitude_dms", "longitude_dms", true},
    {"kml", "", "", "Name", "latitude_dms", "longitude_dms", true},
    {"gpx", "", "waypoints routes", "name", "cmt", "", true},
    {"csv", "-oo X_POSSIBLE_NAMES=longitude -oo Y_POSSIBLE_NAMES=latitude", "", "label",
     "latitude_dms", "longitude_dms", false},
};

void PrintTo(const Block& block, std::ostream* os) {
  *os << block.name;
}
void PrintTo(const Reader& reader, std::ostream* os) {
  *os << reader.format;
}

int ReportCount(const std::string& report, const char* heading) {
  const std::regex line(std::string(heading) + R"( = (\d+))");
  std::smatch m;
  if (!std::regex_search(report, m, line)) {
    ADD_FAILURE() << "no '" << heading << "' in the report";
    return 0;
  }
  return std::stoi(m[1]);
}

class ExportReaders : public ::testing::TestWithParam<std::tuple<Block, Reader>> {};

TEST_P(ExportReaders, OgrinfoReadsTheReportsCentresAndOneLinePerStrip) {
  const auto& [block, reader] = GetParam();
  const Outcome report = Calc(block.args);
  ASSERT_EQ(report.status, 0) << report.err;
  const std::vector<ReportLine> lines = ReportLines(report.out);
  const int strips = ReportCount(report.out, "Número de fajas");
  const int exposures = ReportCount(report.out, "Número de fotos por faja");
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(strips * exposures));
  ASSERT_GT(lines.size(), 1u);

  const std::string file = FreshDirectory() + "/block." + reader.format;
  std::vector<std::string> args = block.args;
  args.insert(args.end(), {"--format", reader.format, "--output", file});
  const Outcome run = Calc(args);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");

  const std::string command = Tool("ogrinfo") + " -ro -q " + reader.ogrinfo_options + " " +
                              (*reader.layers ? "" : "-al ") + Quoted(file) + " " + reader.layers;
  const Outcome listing = Shell(command);
  ASSERT_EQ(listing.status, 0) << command;
  const std::vector<OgrFeature> features = ParseOgrinfo(listing.out);

  std::vector<const OgrFeature*> points, strip_lines;
  for (const OgrFeature& f : features) {
    if (f.geometry == "POINT")
      points.push_back(&f);
    else if (f.geometry == "LINESTRING")
      strip_lines.push_back(&f);
    else
      ADD_FAILURE() << "unexpected geometry '" << f.geometry << "' in layer " << f.layer;
  }

  ASSERT_EQ(points.size(), lines.size()) << listing.out.substr(0, 2000);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    SCOPED_TRACE("centre " + lines[k].label);
    const OgrFeature& p = *points[k];
    EXPECT_EQ(p.Field(reader.label_field), lines[k].label);
    if (*reader.longitude_dms_field) {
      EXPECT_EQ(p.Field(reader.latitude_dms_field), lines[k].latitude_dms);
      EXPECT_EQ(p.Field(reader.longitude_dms_field), lines[k].longitude_dms);
    } else {
      EXPECT_EQ(p.Field(reader.latitude_dms_field),
                lines[k].latitude_dms + " " + lines[k].longitude_dms);
    }
    ASSERT_EQ(p.positions.size(), 1u);
    const auto [lon, lat] = p.positions[0];
    EXPECT_TRUE(AgreesWithReport(lat, lines[k].latitude_dms, false))
        << "latitude " << lat << " against " << lines[k].latitude_dms;
    EXPECT_TRUE(AgreesWithReport(lon, lines[k].longitude_dms, true))
        << "longitude " << lon << " against " << lines[k].longitude_dms;
    EXPECT_GE(lon, -180.0);
    EXPECT_LT(lon, 180.0);
  }

  if (!reader.has_lines) {
    EXPECT_TRUE(strip_lines.empty());
    return;
  }
  ASSERT_EQ(strip_lines.size(), static_cast<std::size_t>(strips));
  for (int j = 0; j < strips; ++j) {
    SCOPED_TRACE("strip " + std::to_string(j + 1));
    const OgrFeature& line = *strip_lines[static_cast<std::size_t>(j)];
    ASSERT_EQ(line.positions.size(), static_cast<std::size_t>(exposures));
    for (int i = 0; i < exposures; ++i) {
      const auto& vertex = line.positions[static_cast<std::size_t>(i)];
      const auto& centre = points[static_cast<std::size_t>(j * exposures + i)]->positions[0];
      EXPECT_DOUBLE_EQ(vertex.first, centre.first);
      EXPECT_DOUBLE_EQ(vertex.second, centre.second);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Blocks, ExportReaders,
                         ::testing::Combine(::testing::ValuesIn(Blocks()),
                                            ::testing::ValuesIn(kReaders)),
                         [](const ::testing::TestParamInfo<std::tuple<Block, Reader>>& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::get<1>(info.param).format;
                         });

// The crossing blocks above must really cross: both letters of each
// coordinate appear among the report's lines.
TEST(ExportFixtures, CrossingBlocksLieOnBothSidesOfTheEquatorAndTheMeridian) {
  for (const Block& block : Blocks()) {
    if (std::string(block.name).find("Equator") == std::string::npos)
      continue;
    SCOPED_TRACE(block.name);
    const Outcome report = Calc(block.args);
    ASSERT_EQ(report.status, 0) << report.err;
    int north = 0, south = 0, east = 0, west = 0;
    for (const ReportLine& line : ReportLines(report.out)) {
      (line.latitude > 0 ? north : south)++;
      (line.longitude > 0 ? east : west)++;
    }
    EXPECT_GT(north, 0);
    EXPECT_GT(south, 0);
    EXPECT_GT(east, 0);
    EXPECT_GT(west, 0);
  }
}

}  // namespace
}  // namespace fotovuelo::exports_test
