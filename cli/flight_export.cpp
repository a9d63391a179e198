#include "cli/flight_export.h"

#include <charconv>
#include <cmath>

#include "compute/c_numbers.h"
#include "compute/cp1252.h"

namespace fotovuelo::exports {

namespace {

std::string Utf8(std::string_view cp1252_text) {
  return cp1252::ToUtf8(cp1252_text);
}

std::string General(long double value, int digits) {
  char text[40];
  const std::size_t n = FormatGeneral(value, digits, text, sizeof text);
  return std::string(text, n);
}

// The report's header line for an angle as typed: 40° 0' 0" N.
std::string TypedAngle(int g, int m, float s, std::string_view letter) {
  std::string text =
      std::to_string(g) + "\u00b0 " + std::to_string(m) + "' " + General(s, 4) + "\"";
  if (!letter.empty()) {
    text += ' ';
    text += Utf8(letter);
  }
  return text;
}

// Longitudes past 180 degrees (a block that crosses the antimeridian, or a
// start point typed beyond it) are the same meridians as their remainder; a
// map reader accepts only [-180, 180).
double NormalisedLongitude(double degrees) {
  double d = std::fmod(degrees + 180.0, 360.0);
  if (d < 0)
    d += 360.0;
  return d - 180.0;
}

}  // namespace

const char* FlightExport::EllipsoidName() const {
  return Wgs84() ? "WGS 84" : "Hayford";
}

const ExportedCentre* FlightExport::StripBegin(int strip) const {
  return centres.data() + static_cast<std::size_t>(strip - 1) * exposures_per_strip;
}

const ExportedCentre* FlightExport::StripEnd(int strip) const {
  return StripBegin(strip) + exposures_per_strip;
}

std::string DmsText(const ReportedCoordinate& c) {
  char thousandths[4];
  thousandths[0] = static_cast<char>('0' + c.thousandths / 100);
  thousandths[1] = static_cast<char>('0' + c.thousandths / 10 % 10);
  thousandths[2] = static_cast<char>('0' + c.thousandths % 10);
  thousandths[3] = '\0';
  return std::to_string(c.degrees) + "\u00b0 " + std::to_string(c.minutes) + "' " +
         std::to_string(c.seconds) + "." + thousandths + "\"" + Utf8(c.letter);
}

std::string ReportNumber(float value, int digits) {
  return General(static_cast<long double>(value), digits);
}

std::string DegreesText(double degrees) {
  char text[64];
  const auto [end, ec] =
      std::to_chars(text, text + sizeof text, degrees, std::chars_format::fixed, 9);
  if (ec != std::errc())
    return "nan";
  std::string out(text, end);
  if (out == "-0.000000000")  // a centre on the equator or the meridian has no side
    out.erase(0, 1);
  return out;
}

std::string AzimuthText(const FlightInputs& in) {
  return TypedAngle(in.Az_g, in.Az_m, in.Az_s, {});
}

std::string StartLatitudeText(const FlightInputs& in) {
  return TypedAngle(in.Lat_g, in.Lat_m, in.Lat_s, in.StringEmis);
}

std::string StartLongitudeText(const FlightInputs& in) {
  return TypedAngle(in.Lon_g, in.Lon_m, in.Lon_s, in.StringGree);
}

std::variant<FlightExport, std::string> MakeFlightExport(const FlightResult& flight) {
  FlightExport out;
  out.flight = &flight;
  out.strips = flight.centres.nfajas;
  out.exposures_per_strip = flight.centres.nFot_faj;
  if (out.strips < 0 || out.strips > kMaxStrips || out.exposures_per_strip < 0 ||
      out.exposures_per_strip > kMaxExposures) {
    return std::string("the block's counts are outside the tables of exposure centres");
  }
  if (out.strips == 0 || out.exposures_per_strip == 0) {
    return "the block has " + std::to_string(out.strips) + " strips of " +
           std::to_string(out.exposures_per_strip) +
           " exposures: there are no exposure centres to export";
  }
  const double lat_sign = flight.inputs.Emis ? -1.0 : 1.0;
  const double lon_sign = flight.inputs.Greew ? -1.0 : 1.0;
  out.centres.reserve(static_cast<std::size_t>(out.strips) * out.exposures_per_strip);
  for (int j = 0; j < out.strips; ++j) {
    for (int i = 0; i < out.exposures_per_strip; ++i) {
      const ReportedCentre reported = ReportCentre(flight.inputs, flight.centres, i, j);
      ExportedCentre c;
      c.strip = reported.strip;
      c.exposure = reported.exposure;
      c.label = "\u00d8" + std::to_string(c.exposure) + std::to_string(c.strip);
      c.latitude_dms = DmsText(reported.latitude);
      c.longitude_dms = DmsText(reported.longitude);
      c.latitude = lat_sign * flight.centres.Latitud[i][j];
      c.longitude = NormalisedLongitude(lon_sign * flight.centres.Longitud[i][j]);
      if (!std::isfinite(c.latitude) || !std::isfinite(c.longitude) ||
          std::fabs(c.latitude) > 90.0) {
        return "exposure centre " + c.label + " (exposure " + std::to_string(c.exposure) +
               " of strip " + std::to_string(c.strip) + ") lies at latitude " + c.latitude_dms +
               ", beyond the pole: its coordinates cannot be exported";
      }
      out.centres.push_back(std::move(c));
    }
  }
  return out;
}

}  // namespace fotovuelo::exports
