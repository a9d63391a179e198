// The output formats of fotovuelo-calc other than the report, by name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/flight_export.h"

namespace fotovuelo::exports {

enum class Format { GeoJson, Kml, Gpx, Csv, Svg };

// "geojson", "kml", "gpx", "csv" or "svg"; nothing for any other name.
std::optional<Format> FormatNamed(std::string_view name);

// The format's usual name: "GeoJSON", "KML", "GPX", "CSV", "SVG".
const char* FormatTitle(Format format);

// The whole file in that format, UTF-8.
std::string Render(Format format, const FlightExport& flight);

// Whether readers of the format take every coordinate as WGS 84 (GeoJSON by
// definition, KML and GPX in practice), so that a block computed on Hayford
// would land tens to hundreds of metres off without a word.
bool ReadersAssumeWgs84(Format format);

}  // namespace fotovuelo::exports
