#include "cli/export_kml.h"

#include "cli/export_summary.h"
#include "cli/xml_text.h"

namespace fotovuelo::exports {

namespace {

std::string Coordinates(const ExportedCentre& c) {
  return DegreesText(c.longitude) + "," + DegreesText(c.latitude);
}

void AppendData(std::string& out, const char* name, const std::string& value) {
  out += "          <Data name=\"";
  out += name;
  out += "\"><value>" + XmlEscaped(value) + "</value></Data>\n";
}

}  // namespace

std::string Kml(const FlightExport& flight) {
  std::string out;
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n";
  out += "  <Document>\n";
  out += "    <name>Fotovuelo flight block</name>\n";
  out += "    <description>" + XmlEscaped(SummaryText(flight, "\n")) + "</description>\n";
  // aabbggrr: opaque red lines, orange centres.
  out +=
      "    <Style id=\"strip\"><LineStyle><color>ff0000d0</color><width>2</width>"
      "</LineStyle></Style>\n";
  out +=
      "    <Style id=\"centre\"><IconStyle><color>ff0080ff</color><scale>0.7</scale>"
      "</IconStyle><LabelStyle><scale>0.7</scale></LabelStyle></Style>\n";
  for (int strip = 1; strip <= flight.strips; ++strip) {
    const std::string name = "Strip " + std::to_string(strip);
    out += "    <Folder>\n";
    out += "      <name>" + name + "</name>\n";
    std::string line;
    for (auto c = flight.StripBegin(strip); c != flight.StripEnd(strip); ++c) {
      out += "      <Placemark>\n";
      out += "        <name>" + XmlEscaped(c->label) + "</name>\n";
      out += "        <description>" +
             XmlEscaped("Strip " + std::to_string(c->strip) + ", exposure " +
                        std::to_string(c->exposure) + ": " + c->latitude_dms + " " +
                        c->longitude_dms + " (" + flight.EllipsoidName() + ")") +
             "</description>\n";
      out += "        <styleUrl>#centre</styleUrl>\n";
      out += "        <ExtendedData>\n";
      AppendData(out, "strip", std::to_string(c->strip));
      AppendData(out, "exposure", std::to_string(c->exposure));
      AppendData(out, "latitude_dms", c->latitude_dms);
      AppendData(out, "longitude_dms", c->longitude_dms);
      out += "        </ExtendedData>\n";
      out += "        <Point><coordinates>" + Coordinates(*c) + "</coordinates></Point>\n";
      out += "      </Placemark>\n";
      if (!line.empty())
        line += ' ';
      line += Coordinates(*c);
    }
    // A LineString needs two positions; a strip of one exposure has only its point.
    if (flight.exposures_per_strip >= 2) {
      out += "      <Placemark>\n";
      out += "        <name>" + name + "</name>\n";
      out += "        <styleUrl>#strip</styleUrl>\n";
      out += "        <LineString><tessellate>1</tessellate><coordinates>" + line +
             "</coordinates></LineString>\n";
      out += "      </Placemark>\n";
    }
    out += "    </Folder>\n";
  }
  out += "  </Document>\n";
  out += "</kml>\n";
  return out;
}

}  // namespace fotovuelo::exports
