#include "cli/export_geojson.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace fotovuelo::exports {

namespace {

using Json = nlohmann::ordered_json;

// nlohmann writes the shortest text that reads back as the same double; a
// value rounded to nine decimals first keeps it short (1e-9 degrees is well
// under a thousandth of a second).
double NineDecimals(double degrees) {
  return std::round(degrees * 1e9) / 1e9;
}

// The report's figure (seven significant digits), as a JSON number.
double ReportValue(float value, int digits = 7) {
  const std::string text = ReportNumber(value, digits);
  double number = 0;
  // from_chars, unlike stod, ignores the locale a desktop session may have set.
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

Json Position(const ExportedCentre& c) {
  return Json::array({NineDecimals(c.longitude), NineDecimals(c.latitude)});
}

}  // namespace

std::string GeoJson(const FlightExport& flight) {
  const FlightInputs& in = flight.inputs();
  const FlightParameters& p = flight.parameters();

  Json properties = Json::object();
  properties["ellipsoid"] = flight.EllipsoidName();
  properties["scale_number"] = in.Mf;
  properties["flying_height_m"] = ReportValue(p.Hm);
  properties["base_m"] = ReportValue(p.bm);
  properties["strip_spacing_m"] = ReportValue(p.am);
  properties["strips"] = p.nfajas;
  properties["exposures_per_strip"] = p.nFot_faj;
  properties["exposures"] = p.N;
  properties["forward_overlap_percent"] = ReportValue(in.P);
  properties["side_overlap_percent"] = ReportValue(in.Q);
  properties["altitude_above_sea_level_m"] = p.Hnm;
  properties["start_latitude"] = StartLatitudeText(in);
  properties["start_longitude"] = StartLongitudeText(in);
  properties["azimuth_from_south"] = AzimuthText(in);

  Json features = Json::array();
  for (const ExportedCentre& c : flight.centres) {
    Json feature = Json::object();
    feature["type"] = "Feature";
    feature["geometry"] = {{"type", "Point"}, {"coordinates", Position(c)}};
    feature["properties"] = {{"kind", "exposure centre"},      {"strip", c.strip},
                             {"exposure", c.exposure},         {"label", c.label},
                             {"latitude_dms", c.latitude_dms}, {"longitude_dms", c.longitude_dms}};
    features.push_back(std::move(feature));
  }
  for (int strip = 1; strip <= flight.strips; ++strip) {
    Json line = Json::array();
    for (auto c = flight.StripBegin(strip); c != flight.StripEnd(strip); ++c)
      line.push_back(Position(*c));
    // A strip of one exposure is a point, not a line: RFC 7946 needs two positions.
    if (line.size() < 2)
      continue;
    Json feature = Json::object();
    feature["type"] = "Feature";
    feature["geometry"] = {{"type", "LineString"}, {"coordinates", std::move(line)}};
    feature["properties"] = {
        {"kind", "strip"}, {"strip", strip}, {"exposures", flight.exposures_per_strip}};
    features.push_back(std::move(feature));
  }

  // One feature to a line: short enough to read, and a diff of two plans
  // shows which centres moved.
  Json head = Json::object();
  head["type"] = "FeatureCollection";
  head["name"] = "Fotovuelo flight block";
  head["properties"] = std::move(properties);
  std::string out = head.dump(2);
  out.pop_back();  // the closing brace: the features follow
  while (!out.empty() && out.back() == '\n')
    out.pop_back();
  out += ",\n  \"features\": [\n";
  for (std::size_t k = 0; k < features.size(); ++k) {
    out += "    " + features[k].dump();
    out += k + 1 < features.size() ? ",\n" : "\n";
  }
  out += "  ]\n}\n";
  return out;
}

}  // namespace fotovuelo::exports
