// The block as a KML 2.2 document: a Folder per strip holding a Placemark per
// exposure centre, in the report's order, and a Placemark with the strip's
// line. The document's description names the ellipsoid and the parameters.
#pragma once

#include <string>

#include "cli/flight_export.h"

namespace fotovuelo::exports {

std::string Kml(const FlightExport& flight);

}  // namespace fotovuelo::exports
