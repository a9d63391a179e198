// The block as an RFC 7946 GeoJSON FeatureCollection: one Point per exposure
// centre, in the report's order, then one LineString per strip; the flight
// parameters and the ellipsoid are members of the collection's "properties".
#pragma once

#include <string>

#include "cli/flight_export.h"

namespace fotovuelo::exports {

std::string GeoJson(const FlightExport& flight);

}  // namespace fotovuelo::exports
