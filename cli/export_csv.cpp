#include "cli/export_csv.h"

namespace fotovuelo::exports {

namespace {

// The DMS texts hold a double quote (seconds), so fields are always quoted
// and inner quotes doubled.
std::string Quoted(const std::string& field) {
  std::string out = "\"";
  for (const char c : field) {
    if (c == '"')
      out += '"';
    out += c;
  }
  out += '"';
  return out;
}

}  // namespace

std::string Csv(const FlightExport& flight) {
  std::string out =
      "strip,exposure,label,latitude,longitude,latitude_dms,longitude_dms,ellipsoid\r\n";
  for (const ExportedCentre& c : flight.centres) {
    out += std::to_string(c.strip) + "," + std::to_string(c.exposure) + "," + Quoted(c.label) +
           "," + DegreesText(c.latitude) + "," + DegreesText(c.longitude) + "," +
           Quoted(c.latitude_dms) + "," + Quoted(c.longitude_dms) + "," +
           Quoted(flight.EllipsoidName()) + "\r\n";
  }
  return out;
}

}  // namespace fotovuelo::exports
