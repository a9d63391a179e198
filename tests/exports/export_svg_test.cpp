// The picture of the block: well-formed XML (xmllint), one footprint, centre
// and label per exposure in the report's order, one line per strip, the
// overlaps drawn to scale and north up, and a PNG (rsvg-convert) with
// something on it. The worked flight's picture stays in the build tree.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "export_harness.h"

namespace fotovuelo::exports_test {
namespace {

struct Picture {
  std::string svg_path;
  std::vector<ReportLine> report;
};

Picture Draw(const std::vector<std::string>& block, const std::string& dir) {
  Picture p;
  const Outcome report = Calc(block);
  EXPECT_EQ(report.status, 0) << report.err;
  p.report = ReportLines(report.out);
  p.svg_path = dir + "/block.svg";
  std::vector<std::string> args = block;
  args.insert(args.end(), {"--format", "svg", "--output", p.svg_path});
  const Outcome run = Calc(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return p;
}

std::string XPath(const std::string& file, const std::string& expression) {
  const Outcome run =
      Shell(Tool("xmllint") + " --xpath " + Quoted(expression) + " " + Quoted(file));
  EXPECT_EQ(run.status, 0) << expression;
  std::string value = run.out;
  while (!value.empty() && value.back() == '\n')
    value.pop_back();
  return value;
}

int Count(const std::string& file, const std::string& element, const std::string& cls) {
  return std::stoi(
      "0" + XPath(file, "count(//*[local-name()='" + element + "' and @class='" + cls + "'])"));
}

// The centres' pixel positions, in the order the picture holds them.
std::vector<std::pair<double, double>> Centres(const std::string& file) {
  const std::string out = XPath(file,
                                "//*[local-name()='circle' and @class='centre']/@cx | "
                                "//*[local-name()='circle' and @class='centre']/@cy");
  static const std::regex attribute(R"#(c[xy]="([-0-9.]+)")#");
  std::vector<double> values;
  for (auto it = std::sregex_iterator(out.begin(), out.end(), attribute);
       it != std::sregex_iterator(); ++it) {
    values.push_back(std::stod((*it)[1]));
  }
  std::vector<std::pair<double, double>> centres;
  for (std::size_t k = 0; k + 1 < values.size(); k += 2)
    centres.emplace_back(values[k], values[k + 1]);
  return centres;
}

double Distance(std::pair<double, double> a, std::pair<double, double> b) {
  return std::hypot(a.first - b.first, a.second - b.second);
}

TEST(ExportSvg, TheWorkedFlightIsDrawnToScaleNorthUpWithEverythingALegendNeeds) {
  const std::string dir = FreshDirectory();
  const Picture p = Draw({"--example"}, dir);
  ASSERT_EQ(p.report.size(), 24u);

  const Outcome lint = Shell(Tool("xmllint") + " --noout " + Quoted(p.svg_path));
  EXPECT_EQ(lint.status, 0);

  EXPECT_EQ(Count(p.svg_path, "polygon", "footprint"), 24);
  EXPECT_EQ(Count(p.svg_path, "circle", "centre"), 24);
  EXPECT_EQ(Count(p.svg_path, "polyline", "strip"), 3);
  EXPECT_EQ(Count(p.svg_path, "circle", "start"), 1);
  for (const char* part : {"north-arrow", "scale-bar", "legend"}) {
    EXPECT_EQ(XPath(p.svg_path, std::string("count(//*[@id='") + part + "'])"), "1") << part;
  }
  // Labels in the report's order.
  std::string labels;
  for (const ReportLine& line : p.report)
    labels += line.label + " ";
  std::string drawn;
  for (int k = 1; k <= 24; ++k) {
    drawn += XPath(p.svg_path, "string((//*[local-name()='text' and @class='label'])[" +
                                   std::to_string(k) + "])") +
             " ";
  }
  EXPECT_EQ(drawn, labels);

  // Lines at azimuth 0 run south: the next exposure is drawn below. Strips
  // step towards azimuth 90, west: strip 2 is drawn left of strip 1.
  const auto centres = Centres(p.svg_path);
  ASSERT_EQ(centres.size(), 24u);
  EXPECT_NEAR(centres[1].first, centres[0].first, 0.01);
  EXPECT_GT(centres[1].second, centres[0].second);
  EXPECT_LT(centres[8].first, centres[0].first);
  EXPECT_NEAR(centres[8].second, centres[0].second, 0.5);

  // Footprints of 3450 m (15000 x 230 mm): the base of 1380 m is 0.4 of a
  // photograph (60 % forward overlap), the spacing of 2415 m is 0.7 (30 % side).
  const std::string points =
      XPath(p.svg_path, "string((//*[local-name()='polygon' and @class='footprint'])[1]/@points)");
  std::istringstream corners(std::regex_replace(points, std::regex(","), " "));
  std::vector<std::pair<double, double>> c(4);
  for (auto& corner : c)
    corners >> corner.first >> corner.second;
  ASSERT_TRUE(corners) << points;
  const double side = Distance(c[0], c[1]);
  EXPECT_NEAR(Distance(c[1], c[2]), side, side * 1e-3);  // a square frame stays square
  EXPECT_NEAR(Distance(centres[0], centres[1]) / side, 0.4, 0.004);
  EXPECT_NEAR(Distance(centres[0], centres[8]) / side, 0.7, 0.007);

  // Rendered, the picture is not blank.
  const std::string png = dir + "/block.png";
  ASSERT_EQ(Shell(Tool("rsvg-convert") + " -o " + Quoted(png) + " " + Quoted(p.svg_path)).status,
            0);
  const Outcome stats = Shell(Tool("gdalinfo") + " -stats " + Quoted(png) + " 2>/dev/null");
  ASSERT_EQ(stats.status, 0);
  // The colour bands (the alpha band, if any, may well be uniform).
  static const std::regex stddev(
      R"(ColorInterp=(Red|Green|Blue)[^\n]*\n(?:[^\n]*\n)*?\s*STATISTICS_STDDEV=([0-9.eE+-]+))");
  int bands = 0;
  for (auto it = std::sregex_iterator(stats.out.begin(), stats.out.end(), stddev);
       it != std::sregex_iterator(); ++it) {
    ++bands;
    EXPECT_GT(std::stod((*it)[2]), 10.0) << "the " << (*it)[1] << " band is almost uniform";
  }
  EXPECT_EQ(bands, 3) << stats.out;

  // For people to look at.
  std::filesystem::create_directories(FOTOVUELO_EXPORTS_PICTURES);
  std::filesystem::copy_file(png, std::string(FOTOVUELO_EXPORTS_PICTURES) + "/worked-flight.png",
                             std::filesystem::copy_options::overwrite_existing);
}

// Across the equator and the Greenwich meridian the plane has no seam:
// every exposure lies one base from the one before it.
TEST(ExportSvg, ABlockAcrossTheEquatorAndGreenwichHasNoSeam) {
  const std::string dir = FreshDirectory();
  const Picture p = Draw(
      {"--example", "--lat-deg", "0", "--lat-min", "0", "--lat-sec", "30", "--lat-hemisphere", "N",
       "--lon-deg", "0", "--lon-min", "0", "--lon-sec", "30", "--lon-side", "E", "--az-deg", "37"},
      dir);
  EXPECT_EQ(Shell(Tool("xmllint") + " --noout " + Quoted(p.svg_path)).status, 0);
  const auto centres = Centres(p.svg_path);
  ASSERT_EQ(centres.size(), p.report.size());
  const std::size_t exposures = 8;
  const double base = Distance(centres[0], centres[1]);
  for (std::size_t k = 1; k < centres.size(); ++k) {
    if (k % exposures == 0)
      continue;
    EXPECT_NEAR(Distance(centres[k - 1], centres[k]), base, base * 0.002) << p.report[k].label;
  }
}

}  // namespace
}  // namespace fotovuelo::exports_test
