// What every export format carries: the exposure centres in the report's
// order (strips outer, exposures inner), each with the report's label and
// degrees-minutes-seconds text and with signed decimal degrees, plus the
// flight parameters worth repeating beside them.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "compute/calculo.h"

namespace fotovuelo::exports {

struct ExportedCentre {
  int strip = 0;              // 1-based
  int exposure = 0;           // 1-based position along the strip
  std::string label;          // the report's label, UTF-8: "Ø32" is exposure 3 of strip 2
  std::string latitude_dms;   // exactly as the report line shows it, UTF-8: 39° 58' 30.501"N
  std::string longitude_dms;  // 3° 1' 41.810"W
  double latitude = 0;        // degrees, north positive
  double longitude = 0;       // degrees, east positive, in [-180, 180)
};

// The flight as the exports see it. `flight` must outlive it.
struct FlightExport {
  const FlightResult* flight = nullptr;
  int strips = 0;
  int exposures_per_strip = 0;
  std::vector<ExportedCentre> centres;  // strips * exposures_per_strip, the report's order

  const FlightInputs& inputs() const { return flight->inputs; }
  const FlightParameters& parameters() const { return flight->parameters; }
  bool Wgs84() const { return flight->inputs.wgs84; }
  // "WGS 84" or "Hayford": the ellipsoid the coordinates are on.
  const char* EllipsoidName() const;
  // The centres of strip `strip` (1-based), in order along it.
  const ExportedCentre* StripBegin(int strip) const;
  const ExportedCentre* StripEnd(int strip) const;
};

// The centres of a computed flight. Refuses, with an English message, a block
// that a map cannot show: a centre beyond a pole (latitude above 90 degrees,
// which the report still prints as computed).
std::variant<FlightExport, std::string> MakeFlightExport(const FlightResult& flight);

// One coordinate in the report's notation: 40° 0' 0.000"N (UTF-8).
std::string DmsText(const ReportedCoordinate& c);

// A quantity as the report writes it (printf "%.*g" with `digits`
// significant digits), so that exports and report agree on every figure.
std::string ReportNumber(float value, int digits = 7);

// Decimal degrees with nine decimals (a ten-thousandth of a thousandth of a
// second), fixed notation, independent of the locale.
std::string DegreesText(double degrees);

// Azimuth and start point as the report's header writes them.
std::string AzimuthText(const FlightInputs& in);
std::string StartLatitudeText(const FlightInputs& in);
std::string StartLongitudeText(const FlightInputs& in);

}  // namespace fotovuelo::exports
