#include "cli/export_summary.h"

namespace fotovuelo::exports {

std::vector<std::string> SummaryLines(const FlightExport& flight) {
  const FlightInputs& in = flight.inputs();
  const FlightParameters& p = flight.parameters();
  std::vector<std::string> lines;
  lines.push_back(flight.Wgs84() ? "Coordinates on the WGS 84 ellipsoid"
                                 : "Coordinates on the Hayford ellipsoid, not WGS 84");
  lines.push_back("Scale 1:" + std::to_string(in.Mf));
  lines.push_back("Flying height " + ReportNumber(p.Hm) + " m (" + std::to_string(p.Hnm) +
                  " m above sea level)");
  lines.push_back("Base " + ReportNumber(p.bm) + " m, strip spacing " + ReportNumber(p.am) + " m");
  lines.push_back(std::to_string(p.nfajas) + (p.nfajas == 1 ? " strip of " : " strips of ") +
                  std::to_string(p.nFot_faj) + (p.nFot_faj == 1 ? " exposure: " : " exposures: ") +
                  std::to_string(p.N) + (p.N == 1 ? " photograph" : " photographs"));
  lines.push_back("Overlap " + ReportNumber(in.P) + " % forward, " + ReportNumber(in.Q) +
                  " % side");
  lines.push_back("Start " + StartLatitudeText(in) + ", " + StartLongitudeText(in));
  lines.push_back("Lines at azimuth " + AzimuthText(in) + " from south");
  return lines;
}

std::string SummaryText(const FlightExport& flight, std::string_view separator) {
  std::string text;
  for (const std::string& line : SummaryLines(flight)) {
    if (!text.empty())
      text += separator;
    text += line;
  }
  return text;
}

}  // namespace fotovuelo::exports
