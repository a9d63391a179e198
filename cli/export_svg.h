// A picture of the block (SVG 1.1) in a local plane around the start point,
// north up: each photograph's ground footprint as a translucent rectangle, so
// that forward and side overlaps show as darker bands; the strips as lines
// with their direction of flight; the exposure centres, labelled as in the
// report; a north arrow, a scale bar and a legend with the main parameters.
#pragma once

#include <string>

#include "cli/flight_export.h"

namespace fotovuelo::exports {

std::string Svg(const FlightExport& flight);

}  // namespace fotovuelo::exports
