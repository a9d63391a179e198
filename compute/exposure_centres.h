// The geographic coordinates of every exposure centre of the block.
//
// From the start point, one forward geodetic step of the Puissant type per
// move: across the lines by the strip spacing to the start of each strip,
// then along each strip by the photo base. Azimuths are reckoned clockwise
// from south (0 south, 90 west, 180 north, 270 east, in either hemisphere).
// Coordinates are magnitudes in the start point's hemispheres: latitudes are
// degrees south when the latitude letter is "S", longitudes degrees west when
// the longitude letter is "W"; a value below zero lies across the equator or
// the Greenwich meridian.
#pragma once

#include <optional>

#include "compute/flight_parameters.h"
#include "compute/refusal.h"

namespace fotovuelo {

// A point as the steps carry it.
struct GeoPoint {
  double lat = 0;    // degrees, magnitude in the start point's hemisphere
  double lat_r = 0;  // the same in radians
  double lon = 0;    // degrees, magnitude on the start point's side of Greenwich
};

// The coefficients of one step, kept for inspection; nothing else reads them.
struct StepCoefficients {
  double MA, NA, B, C, D, E, K1, K2, K3, K4, DLat, N2, Z, A1B, DLon;
};

// A direction of travel, with its sine and cosine taken once for every step
// that uses it (a step's direction is never carried from point to point).
struct StepDirection {
  double alpha;    // radians
  Extended sin_a;  // sine and cosine of alpha, at extended width
  Extended cos_a;
  int neg;  // east-west sense: +1 or -1

  // The direction `degrees` (clockwise from south) given in radians; the
  // east-west sense follows from the degrees and the start point's side.
  static StepDirection Make(double radians, Extended degrees, bool Greew);
};

// How a step takes W^1.5 (W = 1 - e2 sin^2 of the latitude, rounded to double).
// The general power function and W times its square root, both at extended
// width, differ by at most an ulp of the 64-bit significand; once MA and D are
// stored in doubles they differ in about 1 step in 10000, by one ulp, which
// moves a centre by some 1e-15 seconds of arc: no report changes. The square
// root is one instruction, the power function a long series that took two
// thirds of a whole run, so the square root is the default.
enum class PowerOfW { kSquareRoot, kGeneral };

// The reference ellipsoid and the latitude sign of the block.
struct StepFrame {
  float a;    // semi-major axis, m
  double e2;  // first eccentricity squared
  int nega;   // -1 for a southern start point, +1 otherwise
  PowerOfW power = PowerOfW::kSquareRoot;
};

// One forward step of length s metres.
GeoPoint ForwardStep(const GeoPoint& from, float s, const StepDirection& direction,
                     const StepFrame& frame, StepCoefficients* coefficients = nullptr);

// The whole block: capacity 20 strips of 20 exposures, indexed [exposure][strip].
struct ExposureCentres {
  int nfajas = 0;
  int nFot_faj = 0;
  double V_Latitud[kMaxStrips];  // strip starts; element 0 is the start point
  double V_Latit_r[kMaxStrips];
  double V_Longitud[kMaxStrips];
  double Latitud[kMaxExposures][kMaxStrips];
  double Latit_r[kMaxExposures][kMaxStrips];
  double Longitud[kMaxExposures][kMaxStrips];
  // Whole degrees and minutes truncated toward zero, seconds in single
  // precision; nothing is carried, so seconds may read 60.0.
  int Latitud_g[kMaxExposures][kMaxStrips];
  int Latitud_m[kMaxExposures][kMaxStrips];
  float Latitud_s[kMaxExposures][kMaxStrips];
  int Longitud_g[kMaxExposures][kMaxStrips];
  int Longitud_m[kMaxExposures][kMaxStrips];
  float Longitud_s[kMaxExposures][kMaxStrips];
};

// Fills the coordinates of every exposure centre, nfajas x nFot_faj of them.
// Refuses a block whose coordinates cannot be told in whole degrees of 32 bits
// (a start point so near a pole that the steps run away).
std::optional<Refusal> ComputeExposureCentres(const FlightInputs& in, const FlightParameters& p,
                                              ExposureCentres& out,
                                              PowerOfW power = PowerOfW::kSquareRoot);

// Degrees, minutes and seconds of v, truncated toward zero; all three carry
// the sign of v. Nothing when v is not finite or its degrees exceed 32 bits.
struct DegreesMinutesSeconds {
  int g;
  int m;
  float s;
};
std::optional<DegreesMinutesSeconds> ToDegreesMinutesSeconds(double v);

}  // namespace fotovuelo
