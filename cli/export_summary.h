// The flight in a few lines of English: the ellipsoid first, then the
// parameters a pilot or a GIS user looks for. KML, GPX and the SVG legend
// all describe the block with these same lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/flight_export.h"

namespace fotovuelo::exports {

std::vector<std::string> SummaryLines(const FlightExport& flight);

// The lines joined with `separator`.
std::string SummaryText(const FlightExport& flight, std::string_view separator);

}  // namespace fotovuelo::exports
