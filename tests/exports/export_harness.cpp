#include "export_harness.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/calc_command.h"

namespace fotovuelo::exports_test {

Outcome Calc(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  Outcome run;
  run.status = cli::RunCalc(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

Outcome Shell(const std::string& command) {
  Outcome run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr)
    return run;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
    run.out.append(buffer, n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

std::string FreshDirectory() {
  static std::atomic<int> counter{0};
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = "fotovuelo-exports-" + std::to_string(::getpid()) + "-" +
                     std::to_string(counter++) + "-" + (info ? info->name() : "test");
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
      c = '-';
  }
  const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / name;
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path.string();
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

bool Exists(const std::string& path) {
  return std::filesystem::exists(path);
}

std::vector<std::string> DirectoryEntries(const std::string& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string Tool(const char* name) {
  // Found by CMake at configure time; empty when it was not.
  const std::pair<std::string_view, const char*> tools[] = {
      {"ogrinfo", FOTOVUELO_OGRINFO},
      {"gdalinfo", FOTOVUELO_GDALINFO},
      {"xmllint", FOTOVUELO_XMLLINT},
      {"rsvg-convert", FOTOVUELO_RSVG_CONVERT},
  };
  const char* path = "";
  for (const auto& [tool, configured] : tools) {
    if (tool == name)
      path = configured;
  }
  if (*path == '\0' || !Exists(path)) {
    ADD_FAILURE() << name << " was not found; scripts/install-deps.sh installs it (gdal-bin, "
                  << "libxml2-utils, librsvg2-bin)";
    return "false";
  }
  return path;
}

std::vector<ReportLine> ReportLines(const std::string& report) {
  static const std::regex line(R"(^(Ø\d+) = (.*)      Long\d+ = (.*)$)");
  std::vector<ReportLine> lines;
  std::istringstream in(report);
  std::string text;
  while (std::getline(in, text)) {
    std::smatch m;
    if (std::regex_match(text, m, line)) {
      ReportLine l;
      l.label = m[1];
      l.latitude_dms = m[2];
      l.longitude_dms = m[3];
      l.latitude = DmsDegrees(l.latitude_dms);
      l.longitude = DmsDegrees(l.longitude_dms);
      lines.push_back(std::move(l));
    }
  }
  return lines;
}

double DmsDegrees(const std::string& text) {
  static const std::regex dms(R"#(^(\d+)° (\d+)' (\d+)\.(\d{3})"(.*)$)#");
  std::smatch m;
  if (!std::regex_match(text, m, dms)) {
    ADD_FAILURE() << "not a coordinate of the report: " << text;
    return NAN;
  }
  const double value =
      std::stod(m[1]) + std::stod(m[2]) / 60 + (std::stod(m[3]) + std::stod(m[4]) / 1000) / 3600;
  const std::string letter = m[5];
  return letter == "S" || letter == "W" ? -value : value;
}

bool AgreesWithReport(double degrees, const std::string& report_text, bool longitude) {
  const double shown = DmsDegrees(report_text);
  double difference = degrees - shown;
  if (longitude)
    difference = std::remainder(difference, 360.0);
  // Beyond the text's value, away from zero, by at most a thousandth of a second.
  const double outward = shown < 0 || (shown == 0 && degrees < 0) ? -difference : difference;
  const double slack = 1e-5 / 3600;
  return outward >= -slack && outward <= 0.001 / 3600 + slack;
}

std::string OgrFeature::Field(const std::string& name) const {
  for (const auto& [key, value] : fields) {
    if (key == name)
      return value;
  }
  return "(missing field " + name + ")";
}

std::vector<OgrFeature> ParseOgrinfo(const std::string& output) {
  static const std::regex feature(R"(^OGRFeature\((.*)\):\d+$)");
  static const std::regex field(R"(^  ([^ ]+) \([A-Za-z0-9]+\) = (.*)$)");
  static const std::regex geometry(R"(^  (POINT|LINESTRING|MULTILINESTRING) \((.*)\)$)");
  std::vector<OgrFeature> features;
  std::istringstream in(output);
  std::string text;
  while (std::getline(in, text)) {
    std::smatch m;
    if (std::regex_match(text, m, feature)) {
      features.emplace_back();
      features.back().layer = m[1];
    } else if (features.empty()) {
      continue;
    } else if (std::regex_match(text, m, field)) {
      features.back().fields.emplace_back(m[1], m[2]);
    } else if (std::regex_match(text, m, geometry)) {
      OgrFeature& f = features.back();
      f.geometry = m[1];
      std::string list = m[2];
      for (char& c : list) {
        if (c == ',' || c == '(' || c == ')')
          c = ' ';
      }
      std::istringstream numbers(list);
      double x, y;
      while (numbers >> x >> y)
        f.positions.emplace_back(x, y);
    }
  }
  return features;
}

}  // namespace fotovuelo::exports_test
