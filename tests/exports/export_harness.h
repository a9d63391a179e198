// What the export tests share: running fotovuelo-calc in the process, running
// the readers (GDAL's ogrinfo, xmllint, rsvg-convert) as a person would, and
// the report's exposure lines as the reference every format must agree with.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace fotovuelo::exports_test {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// fotovuelo-calc with these arguments, in this process.
Outcome Calc(const std::vector<std::string>& args);

// A shell command's standard output and exit status (its standard error
// goes to the test's log).
Outcome Shell(const std::string& command);

// `text` in single quotes for the shell.
std::string Quoted(const std::string& text);

// A new empty directory for one test.
std::string FreshDirectory();

std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
std::vector<std::string> DirectoryEntries(const std::string& directory);

// The path of a reader found at configure time, or a failure naming the
// package that brings it.
std::string Tool(const char* name);

// One exposure line of the readable report:
//   Ø32 = 39° 58' 30.501"N      Long32 = 3° 1' 41.810"W
struct ReportLine {
  std::string label;          // Ø32
  std::string latitude_dms;   // 39° 58' 30.501"N
  std::string longitude_dms;  // 3° 1' 41.810"W
  double latitude = 0;        // from the text: degrees, north positive
  double longitude = 0;       // east positive
};
std::vector<ReportLine> ReportLines(const std::string& report);

// Degrees of a report coordinate such as 39° 58' 30.501"N (S and W negative).
double DmsDegrees(const std::string& text);

// Whether `degrees` (from a file) is the coordinate the report's text shows:
// the report truncates to the thousandth of a second, so the magnitude lies
// from the text's value to a thousandth of a second beyond it (a few
// millionths of a second either way for the single-precision seconds and
// the nine decimals). Longitudes compare modulo 360 degrees.
bool AgreesWithReport(double degrees, const std::string& report_text, bool longitude);

// A feature as `ogrinfo -al` prints it.
struct OgrFeature {
  std::string layer;
  std::vector<std::pair<std::string, std::string>> fields;  // name, value as printed
  std::string geometry;                                     // POINT, LINESTRING, ...
  std::vector<std::pair<double, double>> positions;         // x (longitude), y (latitude)

  std::string Field(const std::string& name) const;
};
std::vector<OgrFeature> ParseOgrinfo(const std::string& output);

}  // namespace fotovuelo::exports_test
