#include "compute/exposure_centres.h"

#include <cmath>
#include <string>
#include <string_view>

#include "compute/cp1252.h"

namespace fotovuelo {

using cp1252::operator""_cp1252;

namespace {

// Seconds of arc to degrees: the reciprocal of 3600 held at extended width.
constexpr Extended kDegreesPerSecond = 1.0L / 3600;
constexpr Extended kLongitudeCorrection = static_cast<double>(4.095e-16);

double Store(Extended v) {
  return static_cast<double>(v);
}

// The maths functions take double arguments; their results stay extended.
Extended Sin(double v) {
  return std::sin(static_cast<Extended>(v));
}
Extended Cos(double v) {
  return std::cos(static_cast<Extended>(v));
}
Extended Tan(double v) {
  return std::tan(static_cast<Extended>(v));
}
Extended Sqrt(double v) {
  return std::sqrt(static_cast<Extended>(v));
}
Extended Pow(double v, double e) {
  return std::pow(static_cast<Extended>(v), static_cast<Extended>(e));
}

std::string Label(int exposure, int strip) {
  return "\xD8" + std::to_string(exposure) + std::to_string(strip);  // Ø in Windows-1252
}

}  // namespace

StepDirection StepDirection::Make(double radians, Extended degrees, bool Greew) {
  const Extended reduced = degrees - 360 * std::floor(degrees / 360);
  const bool first_half = reduced < 180;
  // West of Greenwich the magnitude grows toward the west, so the sense flips.
  const int neg = Greew ? (first_half ? -1 : 1) : (first_half ? 1 : -1);
  return StepDirection{radians, Sin(radians), Cos(radians), neg};
}

GeoPoint ForwardStep(const GeoPoint& from, float s, const StepDirection& dir,
                     const StepFrame& frame, StepCoefficients* coefficients) {
  const double phi = from.lat_r;
  const Extended a = frame.a;
  const Extended e2 = frame.e2;
  const Extended nega = frame.nega;
  const Extended sin_phi = Sin(phi);
  const Extended cos_phi = Cos(phi);
  const Extended tan_phi = Tan(phi);
  const double W = Store(1 - e2 * (sin_phi * sin_phi));  // rounded as a maths argument
  const Extended sqrtW = Sqrt(W);
  const Extended W15 = frame.power == PowerOfW::kGeneral ? Pow(W, 1.5) : W * sqrtW;

  StepCoefficients c;
  c.MA = Store((1 - e2) * a / W15);  // radius of curvature in the meridian
  c.NA = Store(a / sqrtW);           // radius of curvature in the prime vertical
  const double Y = Store(dir.cos_a * s);
  c.B = Store(1 / (c.MA * static_cast<Extended>(sen_1sg)));
  c.K1 = Store(c.B * static_cast<Extended>(Y));
  c.C = Store(nega * tan_phi / (((2 * static_cast<Extended>(c.NA)) * c.MA) * sen_1sg));
  double X = Store(dir.sin_a * s);
  c.K2 = Store(static_cast<Extended>(X) * X * c.C);
  // The partial products are stored in doubles before the next maths call,
  // as they were when this was first computed; W^1.5 multiplies here.
  const double sin_3e2 = Store(sin_phi * (3 * e2));
  const double d_partial = Store(nega * cos_phi * sin_3e2 * sen_1sg * static_cast<Extended>(0.5));
  c.D = Store(d_partial * W15);
  c.K3 = Store(static_cast<Extended>(c.K1) * c.K1 * c.D);  // K1 squared alone
  const double e_numerator = Store(3 * (tan_phi * tan_phi) + 1);
  c.E = Store(e_numerator / (6 * (static_cast<Extended>(c.NA) * c.NA)));
  c.K4 = Store(static_cast<Extended>(c.E) * c.K1 * (static_cast<Extended>(X) * X));
  c.DLat = Store(-nega * (((static_cast<Extended>(c.K1) + c.K2) + c.K3) - c.K4));

  GeoPoint to;
  to.lat = Store(from.lat + kDegreesPerSecond * c.DLat);
  to.lat_r = Store(DegreesToRadians(to.lat));

  // The longitude takes the radius and the cosine at the latitude the step
  // starts from, and |X| with its sense from neg.
  c.N2 = Store(a / sqrtW);
  X = -std::fabs(X);
  const double C2 = Store(static_cast<Extended>(Y) * Y * (kLongitudeCorrection * X));
  c.Z = Store(static_cast<Extended>(X) + C2);
  c.A1B = Store(1 / ((static_cast<Extended>(c.N2) * sen_1sg) * cos_phi));
  c.DLon = Store(dir.neg * (static_cast<Extended>(c.Z) * c.A1B));
  to.lon = Store(from.lon + kDegreesPerSecond * c.DLon);

  if (coefficients != nullptr)
    *coefficients = c;
  return to;
}

std::optional<DegreesMinutesSeconds> ToDegreesMinutesSeconds(double v) {
  // One below the int maximum, so that carrying a minute into the degrees
  // when the report prints them cannot overflow either.
  if (!std::isfinite(v) || std::fabs(v) >= 2147483647.0)
    return std::nullopt;
  DegreesMinutesSeconds dms;
  dms.g = static_cast<int>(v);
  const Extended minutes = (v - static_cast<Extended>(dms.g)) * 60;
  dms.m = static_cast<int>(minutes);
  dms.s = static_cast<float>((minutes - dms.m) * 60);
  return dms;
}

std::optional<Refusal> ComputeExposureCentres(const FlightInputs& in, const FlightParameters& p,
                                              ExposureCentres& out, PowerOfW power) {
  out.nfajas = p.nfajas;
  out.nFot_faj = p.nFot_faj;
  if (p.nfajas > kMaxStrips || p.nFot_faj > kMaxExposures) {
    return Refusal{FormField::A, "supera la capacidad de 20 x 20 centros de toma",
                   "exceeds the capacity of 20 x 20 exposure centres"};
  }
  const StepFrame frame{p.a, p.e2, in.Emis ? -1 : 1, power};
  const Extended across_degrees = static_cast<Extended>(p.az) + 90;
  const StepDirection across =
      StepDirection::Make(Store(DegreesToRadians(across_degrees)), across_degrees, in.Greew);
  const StepDirection along = StepDirection::Make(p.az_r, p.az, in.Greew);

  // Strip starts, each from the one before.
  out.V_Latitud[0] = p.lat;
  out.V_Latit_r[0] = p.lat_r;
  out.V_Longitud[0] = p.lon;
  for (int j = 1; j < p.nfajas; ++j) {
    const GeoPoint start = ForwardStep(
        {out.V_Latitud[j - 1], out.V_Latit_r[j - 1], out.V_Longitud[j - 1]}, p.am, across, frame);
    out.V_Latitud[j] = start.lat;
    out.V_Latit_r[j] = start.lat_r;
    out.V_Longitud[j] = start.lon;
  }
  for (int j = 0; j < p.nfajas; ++j) {
    out.Latitud[0][j] = out.V_Latitud[j];
    out.Latit_r[0][j] = out.V_Latit_r[j];
    out.Longitud[0][j] = out.V_Longitud[j];
  }

  // The exposures of each strip, from its own start.
  for (int j = 0; j < p.nfajas; ++j) {
    for (int i = 1; i < p.nFot_faj; ++i) {
      const GeoPoint next =
          ForwardStep({out.Latitud[i - 1][j], out.Latit_r[i - 1][j], out.Longitud[i - 1][j]}, p.bm,
                      along, frame);
      out.Latitud[i][j] = next.lat;
      out.Latit_r[i][j] = next.lat_r;
      out.Longitud[i][j] = next.lon;
    }
  }

  for (int j = 0; j < p.nfajas; ++j) {
    for (int i = 0; i < p.nFot_faj; ++i) {
      // A coordinate that cannot be told in degrees: refused, naming the
      // start point's field that led there.
      const auto runaway = [&](FormField field, std::string_view es, std::string_view en) {
        const std::string label = Label(i + 1, j + 1);
        return Refusal{field,
                       "lleva el centro de toma " + label + " a una " + std::string(es) +
                           " que no se puede expresar en grados",
                       "takes exposure centre " + cp1252::ToUtf8(label) + " to a " +
                           std::string(en) + " that cannot be written in degrees"};
      };
      const auto lat = ToDegreesMinutesSeconds(out.Latitud[i][j]);
      if (!lat)
        return runaway(FormField::Lat_g, "latitud", "latitude");
      const auto lon = ToDegreesMinutesSeconds(out.Longitud[i][j]);
      if (!lon)
        return runaway(FormField::Lon_g, "longitud", "longitude");
      out.Latitud_g[i][j] = lat->g;
      out.Latitud_m[i][j] = lat->m;
      out.Latitud_s[i][j] = lat->s;
      out.Longitud_g[i][j] = lon->g;
      out.Longitud_m[i][j] = lon->m;
      out.Longitud_s[i][j] = lon->s;
    }
  }
  return std::nullopt;
}

}  // namespace fotovuelo
