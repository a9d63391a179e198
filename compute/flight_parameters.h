// Reading the form and the photogrammetric flight parameters: flying height,
// base, strip spacing, counts, flight length, useful area, film, speeds and
// times, altitude, scale range, start point, azimuth and ellipsoid.
//
// Every quantity is stored at the width it is declared with (int, float,
// double) and the next step starts from the stored value; within a formula the
// arithmetic runs in long double, the 64-bit significand the results were
// first computed with. Truncating scale numbers and speeds depends on it:
// 2016 / (150 x 0.001) is 13439.99... in extended precision, 13440 in double.
#pragma once

#include <limits>
#include <optional>

#include "compute/flight_form.h"
#include "compute/refusal.h"

namespace fotovuelo {

static_assert(sizeof(int) == 4 && sizeof(float) == 4 && sizeof(double) == 8);

// Constants of the computation: double constants, exactly these values.
inline constexpr double PI = 3.141592653;         // this ten-digit value, not full pi
inline constexpr double sen_1sg = 4.8481368e-06;  // sine of one second of arc

// Arithmetic of the computation: 64-bit significand, as the results were first
// computed with.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the computation needs x87 extended precision for its intermediates");

// Degrees to radians as the computation has always done it: the reciprocal of
// 360 held with a 64-bit significand, not a division.
inline Extended DegreesToRadians(Extended degrees) {
  return (2 * static_cast<Extended>(PI) * degrees) * (1.0L / 360);
}

// The largest block the exposure-centre tables hold: strips x exposures.
inline constexpr int kMaxStrips = 20;
inline constexpr int kMaxExposures = 20;

// The form's fields, converted.
struct FlightInputs {
  int Mf = 0;        // scale number (1 : Mf)
  float f = 0;       // focal length, mm
  float Ldimsr = 0;  // frame side along the line: mm as read, m after conversion
  float Adimsr = 0;  // frame side across the line: mm as read, m after conversion
  float P = 0;       // forward overlap, %
  float Q = 0;       // side overlap, %
  float L = 0;       // area length: km as read, m after conversion
  float A = 0;       // area width: km as read, m after conversion
  float vobtu = 0;   // shutter time, s
  int Vc = 0;        // cruise speed, km/h
  int Vmi = 0;       // minimum speed, km/h
  int Cotmin = 0;    // lowest terrain, m
  int Cotmax = 0;    // highest terrain, m
  int Cotmed = 0;    // mean terrain, m
  int Lat_g = 0, Lat_m = 0;
  float Lat_s = 0;  // start latitude as entered: degrees, minutes, seconds
  int Lon_g = 0, Lon_m = 0;
  float Lon_s = 0;  // start longitude as entered
  int Az_g = 0, Az_m = 0;
  float Az_s = 0;           // azimuth of the lines as entered
  char StringEmis[2] = {};  // hemisphere letter as entered
  char StringGree[2] = {};  // Greenwich side letter as entered
  bool Emis = false;        // the latitude text holds "S": south
  bool Greew = false;       // the longitude text holds "W": west
  bool analogico = false;   // "Analógico" checked: turn allowance and film
  bool wgs84 = false;       // "WGS 84" checked; otherwise Hayford
};

struct FlightParameters {
  float Hm = 0;               // flying height above the mean terrain, m
  float bm = 0;               // photo base, m
  float am = 0;               // strip spacing, m
  float Cbm = 0, Cam = 0;     // single-precision quotients behind the counts
  int nFot_faj = 0;           // photographs per strip
  int nfajas = 0;             // strips
  int N = 0;                  // photographs in all
  float Lvf = 0;              // length of the photographic flight, km
  float Su = 0;               // useful area of one photograph, km2
  std::optional<float> Pel;   // film, m: analogue camera only
  int Vo = 0;                 // operating speed, km/h
  float t_obVc = 0;           // shutter time that suits the cruise speed, s
  float t = 0;                // interval between exposures at Vo, s
  int Hnm = 0;                // flying altitude above sea level, m
  int Escmin = 0;             // scale number over the lowest terrain
  int Escmax = 0;             // scale number over the highest terrain
  double lat = 0, lat_r = 0;  // start latitude, degrees and radians, unsigned
  double lon = 0;             // start longitude, degrees, unsigned
  double az = 0, az_r = 0;    // azimuth, degrees and radians, clockwise from south
  float a = 0;                // semi-major axis of the ellipsoid, m
  double e2 = 0;              // first eccentricity squared

  bool LowSpeed(const FlightInputs& in) const { return Vo < in.Vmi; }
};

// Reads the 25 texts and the two buttons and converts them, with atol, atof
// and the hemisphere letters, as typed.
FlightInputs ReadForm(const FlightForm& form);

// Everything the exposure centres and the report need. Nothing when the input
// lies outside the computation's domain (a zero divisor, an operating speed
// below 1 km/h, more than 20 strips or 20 exposures per strip, an integer
// result outside 32 bits): then the refusal says which field and why.
// Converts the frame sides and the area of `in` to metres on the way.
std::optional<Refusal> ComputeFlightParameters(FlightInputs& in, FlightParameters& out);

}  // namespace fotovuelo
