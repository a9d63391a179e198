#include "cli/export_format.h"

#include "cli/export_csv.h"
#include "cli/export_geojson.h"
#include "cli/export_gpx.h"
#include "cli/export_kml.h"
#include "cli/export_svg.h"

namespace fotovuelo::exports {

std::optional<Format> FormatNamed(std::string_view name) {
  if (name == "geojson")
    return Format::GeoJson;
  if (name == "kml")
    return Format::Kml;
  if (name == "gpx")
    return Format::Gpx;
  if (name == "csv")
    return Format::Csv;
  if (name == "svg")
    return Format::Svg;
  return std::nullopt;
}

const char* FormatTitle(Format format) {
  switch (format) {
    case Format::GeoJson:
      return "GeoJSON";
    case Format::Kml:
      return "KML";
    case Format::Gpx:
      return "GPX";
    case Format::Csv:
      return "CSV";
    case Format::Svg:
      return "SVG";
  }
  return "";
}

std::string Render(Format format, const FlightExport& flight) {
  switch (format) {
    case Format::GeoJson:
      return GeoJson(flight);
    case Format::Kml:
      return Kml(flight);
    case Format::Gpx:
      return Gpx(flight);
    case Format::Csv:
      return Csv(flight);
    case Format::Svg:
      return Svg(flight);
  }
  return {};
}

bool ReadersAssumeWgs84(Format format) {
  return format == Format::GeoJson || format == Format::Kml || format == Format::Gpx;
}

}  // namespace fotovuelo::exports
