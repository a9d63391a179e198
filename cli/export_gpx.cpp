#include "cli/export_gpx.h"

#include "cli/export_summary.h"
#include "cli/xml_text.h"

namespace fotovuelo::exports {

namespace {

std::string LatLon(const ExportedCentre& c) {
  return "lat=\"" + DegreesText(c.latitude) + "\" lon=\"" + DegreesText(c.longitude) + "\"";
}

}  // namespace

std::string Gpx(const FlightExport& flight) {
  std::string out;
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out +=
      "<gpx version=\"1.1\" creator=\"fotovuelo-calc\" "
      "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
  out += "  <metadata>\n";
  out += "    <name>Fotovuelo flight block</name>\n";
  out += "    <desc>" + XmlEscaped(SummaryText(flight, "; ")) + "</desc>\n";
  out += "  </metadata>\n";
  // GPX 1.1 orders its elements: every wpt before the first rte.
  for (const ExportedCentre& c : flight.centres) {
    out += "  <wpt " + LatLon(c) + ">\n";
    out += "    <name>" + XmlEscaped(c.label) + "</name>\n";
    out += "    <cmt>" + XmlEscaped(c.latitude_dms + " " + c.longitude_dms) + "</cmt>\n";
    out += "    <desc>" +
           XmlEscaped("Strip " + std::to_string(c.strip) + ", exposure " +
                      std::to_string(c.exposure) + " (" + flight.EllipsoidName() + ")") +
           "</desc>\n";
    out += "    <type>exposure centre</type>\n";
    out += "  </wpt>\n";
  }
  for (int strip = 1; strip <= flight.strips; ++strip) {
    out += "  <rte>\n";
    out += "    <name>Strip " + std::to_string(strip) + "</name>\n";
    out += "    <number>" + std::to_string(strip) + "</number>\n";
    for (auto c = flight.StripBegin(strip); c != flight.StripEnd(strip); ++c)
      out += "    <rtept " + LatLon(*c) + "><name>" + XmlEscaped(c->label) + "</name></rtept>\n";
    out += "  </rte>\n";
  }
  out += "</gpx>\n";
  return out;
}

}  // namespace fotovuelo::exports
