// The Spanish computation report: the flight parameters, the start point and
// azimuth, and one line per exposure centre, in Windows-1252 with CR LF.
#pragma once

#include <cstddef>
#include <string_view>

#include "compute/exposure_centres.h"
#include "compute/flight_parameters.h"

namespace fotovuelo {

inline constexpr std::size_t kReportBufferSize = 100000;

// The last computation report, NUL-terminated; all NUL until the first run.
extern char buffer_Tesmara[kReportBufferSize];

// One coordinate of an exposure line as the report prints it: the magnitude
// in degrees, minutes, whole seconds and thousandths (truncated, never
// rounded; a second that reached 60.0 carried into the minutes, and a
// minute that reached 60 into the degrees), and the letter of its side.
struct ReportedCoordinate {
  int degrees;
  int minutes;
  int seconds;
  int thousandths;          // 0 to 999
  std::string_view letter;  // the start point's letter as typed, or the other side's
  bool across;              // beyond the equator or the Greenwich meridian from the start
};

struct ReportedCentre {
  int exposure;  // 1-based position along the strip
  int strip;     // 1-based strip
  ReportedCoordinate latitude;
  ReportedCoordinate longitude;
};

// Exposure `exposure` (0-based) of strip `strip` (0-based), as its report line shows it.
ReportedCentre ReportCentre(const FlightInputs& in, const ExposureCentres& centres, int exposure,
                            int strip);

// Writes the report into buffer (capacity bytes). The first 30000 bytes are
// cleared first; the text never runs past capacity and is always terminated.
// Returns the length of the text.
std::size_t WriteReport(const FlightInputs& in, const FlightParameters& p,
                        const ExposureCentres& centres, char* buffer, std::size_t capacity);

}  // namespace fotovuelo
