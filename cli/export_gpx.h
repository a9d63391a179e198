// The block as GPX 1.1: a waypoint per exposure centre, in the report's
// order, and a route per strip through its centres. The metadata's
// description names the ellipsoid and the parameters.
#pragma once

#include <string>

#include "cli/flight_export.h"

namespace fotovuelo::exports {

std::string Gpx(const FlightExport& flight);

}  // namespace fotovuelo::exports
