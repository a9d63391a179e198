// The exposure centres as CSV (RFC 4180, UTF-8): a header row, then one row
// per centre in the report's order with signed decimal degrees (south and
// west negative) and the report's degrees-minutes-seconds text. Every row
// names the ellipsoid, so that no row can be read without it.
#pragma once

#include <string>

#include "cli/flight_export.h"

namespace fotovuelo::exports {

std::string Csv(const FlightExport& flight);

}  // namespace fotovuelo::exports
