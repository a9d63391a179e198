#include "compute/flight_parameters.h"

#include <cmath>
#include <cstring>
#include <utility>
#include <variant>

#include "compute/c_numbers.h"
#include "compute/cp1252.h"

namespace fotovuelo {

using cp1252::operator""_cp1252;

namespace {

// Literal constants of the computation are double constants, widened.
constexpr Extended k0_001 = static_cast<double>(0.001);
constexpr Extended k0_01 = static_cast<double>(0.01);
constexpr Extended k0_05 = static_cast<double>(0.05);
constexpr Extended k0_27 = static_cast<double>(0.27);
constexpr Extended k3_6 = static_cast<double>(3.6);

std::string ReadText(const FlightForm& form, FormField field) {
  char buffer[16] = {};
  const std::size_t capacity = FieldInfo(field).read_capacity;
  static_assert(sizeof buffer >= 8);
  form.GetFieldText(field, buffer, capacity);
  buffer[capacity - 1] = '\0';  // whatever the form did, the text ends in the buffer
  return std::string(buffer);
}

int ReadInt(const FlightForm& form, FormField field) {
  // At most six digits reach here (the widest integer buffer holds six
  // characters), so the long always fits the int.
  return static_cast<int>(ParseLong(ReadText(form, field)));
}

float ReadFloat(const FlightForm& form, FormField field) {
  return static_cast<float>(ParseDouble(ReadText(form, field)));
}

Refusal Refuse(FormField field, std::string_view es, std::string_view en) {
  return Refusal{field, std::string(es), std::string(en)};
}

Refusal NotPositive(FormField field) {
  return Refuse(field, "debe ser mayor que 0", "must be greater than 0");
}

Refusal OutOfIntRange(FormField field, std::string_view quantity_es, std::string_view quantity_en) {
  std::string es(std::string_view("da "));
  es += quantity_es;
  es += " fuera del intervalo de los enteros de 32 bits"_cp1252;
  std::string en = "gives ";
  en += quantity_en;
  en += " outside the 32-bit integer range";
  return Refusal{field, es, en};
}

// The count of photographs or strips: the ceiling of the single-precision
// quotient. The whole part comes from the extended quotient, and one more is
// added unless the float quotient is that whole number.
struct Count {
  float quotient;
  int count;
};

// Refuses a count outside 0 to 20: more would not fit the block's tables, and
// a negative one (a negative length or scale number, which no form field
// admits but a program could pass) would mean nothing.
std::variant<Count, Refusal> CountOf(float length, float step, FormField field,
                                     std::string_view things_es, std::string_view things_en) {
  const Extended q = static_cast<Extended>(length) / step;
  const float stored = static_cast<float>(q);
  if (!(stored >= 0 && stored <= kMaxStrips)) {  // also catches NaN
    if (stored < 0) {
      return Refuse(field, std::string("da un número negativo de "_cp1252) + std::string(things_es),
                    "gives a negative number of " + std::string(things_en));
    }
    return Refuse(field,
                  std::string("necesita más de 20 "_cp1252) + std::string(things_es) +
                      " (la capacidad es 20)",
                  "needs more than 20 " + std::string(things_en) + " (at most 20)");
  }
  int count = *TruncateToInt(q);  // 0 to 20
  if (static_cast<Extended>(count) != static_cast<Extended>(stored))
    ++count;
  return Count{stored, count};
}

}  // namespace

FlightInputs ReadForm(const FlightForm& form) {
  FlightInputs in;
  in.Mf = ReadInt(form, FormField::Mf);
  in.f = ReadFloat(form, FormField::f);
  in.Ldimsr = ReadFloat(form, FormField::LDIMSR);
  in.Adimsr = ReadFloat(form, FormField::ADIMSR);
  in.P = ReadFloat(form, FormField::P);  // digits only, yet read as a real
  in.Q = ReadFloat(form, FormField::Q);
  in.L = ReadFloat(form, FormField::L);
  in.A = ReadFloat(form, FormField::A);
  in.vobtu = ReadFloat(form, FormField::VOBTU);
  in.Vc = ReadInt(form, FormField::Vc);
  in.Vmi = ReadInt(form, FormField::Vmi);
  in.Cotmin = ReadInt(form, FormField::Cotmin);
  in.Cotmax = ReadInt(form, FormField::Cotmax);
  in.Cotmed = ReadInt(form, FormField::Cotmed);
  in.Lat_g = ReadInt(form, FormField::Lat_g);
  in.Lat_m = ReadInt(form, FormField::Lat_m);
  in.Lat_s = ReadFloat(form, FormField::Lat_s);
  in.Lon_g = ReadInt(form, FormField::Lon_g);
  in.Lon_m = ReadInt(form, FormField::Lon_m);
  in.Lon_s = ReadFloat(form, FormField::Lon_s);
  in.Az_g = ReadInt(form, FormField::Az_g);
  in.Az_m = ReadInt(form, FormField::Az_m);
  in.Az_s = ReadFloat(form, FormField::Az_s);
  const std::string emis = ReadText(form, FormField::Emis);
  const std::string gree = ReadText(form, FormField::Gree);
  std::strncpy(in.StringEmis, emis.c_str(), sizeof in.StringEmis - 1);
  std::strncpy(in.StringGree, gree.c_str(), sizeof in.StringGree - 1);
  // Only the capital letters count: N, E, a blank or nothing is north, east.
  in.Emis = std::strchr(in.StringEmis, 'S') != nullptr;
  in.Greew = std::strchr(in.StringGree, 'W') != nullptr;
  in.analogico = form.GetCheck(FormButton::RButton3) == 1;
  in.wgs84 = form.GetCheck(FormButton::RButton1) == 1;
  return in;
}

std::optional<Refusal> ComputeFlightParameters(FlightInputs& in, FlightParameters& out) {
  constexpr double x = 60.0;    // minutes per degree
  constexpr double y = 3600.0;  // seconds per degree
  FlightParameters p;

  // A text such as "9e99" would read as infinity: no field may hold one.
  for (const auto& [field, value] : {std::pair{FormField::f, in.f},
                                     {FormField::LDIMSR, in.Ldimsr},
                                     {FormField::ADIMSR, in.Adimsr},
                                     {FormField::P, in.P},
                                     {FormField::Q, in.Q},
                                     {FormField::L, in.L},
                                     {FormField::A, in.A},
                                     {FormField::VOBTU, in.vobtu},
                                     {FormField::Lat_s, in.Lat_s},
                                     {FormField::Lon_s, in.Lon_s},
                                     {FormField::Az_s, in.Az_s}}) {
    if (!std::isfinite(value)) {
      return Refuse(field, "no es un número finito"_cp1252, "is not a finite number");
    }
  }
  if (in.Mf == 0)
    return Refuse(FormField::Mf, "no puede ser 0", "must not be 0");
  if (!(in.f > 0))
    return NotPositive(FormField::f);
  if (!(in.Ldimsr > 0))
    return NotPositive(FormField::LDIMSR);
  if (!(in.Adimsr > 0))
    return NotPositive(FormField::ADIMSR);
  if (!(in.vobtu > 0))
    return NotPositive(FormField::VOBTU);
  if (!(in.Vc > 0))
    return NotPositive(FormField::Vc);

  // Frame sides to metres; flying height, base and spacing from the full scale number.
  in.Ldimsr = static_cast<float>(in.Ldimsr * k0_001);
  in.Adimsr = static_cast<float>(in.Adimsr * k0_001);
  p.Hm = static_cast<float>(in.Mf * (in.f * k0_001));
  p.bm = static_cast<float>(in.Mf * static_cast<Extended>(in.Ldimsr) * (1 - k0_01 * in.P));
  p.am = static_cast<float>(in.Mf * static_cast<Extended>(in.Adimsr) * (1 - k0_01 * in.Q));
  in.L = static_cast<float>(in.L * static_cast<Extended>(1000));
  in.A = static_cast<float>(in.A * static_cast<Extended>(1000));

  const auto photos = CountOf(in.L, p.bm, FormField::L, "fotos por faja", "photographs per strip");
  if (const auto* refusal = std::get_if<Refusal>(&photos))
    return *refusal;
  const auto strips = CountOf(in.A, p.am, FormField::A, "fajas", "strips");
  if (const auto* refusal = std::get_if<Refusal>(&strips))
    return *refusal;
  p.Cbm = std::get<Count>(photos).quotient;
  p.nFot_faj = std::get<Count>(photos).count;
  p.Cam = std::get<Count>(strips).quotient;
  p.nfajas = std::get<Count>(strips).count;
  p.N = p.nfajas * p.nFot_faj;

  // A turn of 10 km between one strip and the next; a block without strips
  // has no turn (the bare formula would give it -10 km).
  const int turns = p.nfajas > 0 ? p.nfajas - 1 : 0;
  const Extended strips_km = p.nfajas * (in.L * k0_001);
  p.Lvf = static_cast<float>(in.analogico ? strips_km + 10 * turns : strips_km);

  // The scale number in thousands, as a real quotient (7500 is 7.5, not 7).
  const Extended thousands = static_cast<Extended>(in.Mf) / 1000.0;
  const Extended square = std::pow(static_cast<Extended>(static_cast<double>(thousands)), 2.0L);
  p.Su = static_cast<float>(square * (static_cast<Extended>(in.Ldimsr) * in.Adimsr) *
                            (1 - k0_01 * in.P) * (1 - k0_01 * in.Q));
  if (in.analogico)
    p.Pel = static_cast<float>(p.N * k0_27 + 5);

  const Extended image_motion = thousands * k0_05 * 3600;
  const auto Vo = TruncateToInt(image_motion / (in.vobtu * static_cast<Extended>(1000)));
  if (!Vo) {
    return OutOfIntRange(FormField::VOBTU, "una velocidad de operación"_cp1252,
                         "an operating speed");
  }
  if (*Vo < 1) {
    return Refuse(FormField::VOBTU,
                  "es demasiado largo para esta escala: la velocidad de operación sería menor "
                  "que 1 Km/h"_cp1252,
                  "is too long for this scale: the operating speed would be below 1 km/h");
  }
  p.Vo = *Vo;
  p.t_obVc = static_cast<float>(image_motion / (in.Vc * 1000));
  p.t = static_cast<float>((p.bm / static_cast<Extended>(p.Vo)) * k3_6);

  // Single precision ends near 3.4e38: texts such as "230E21" reach past it,
  // and the report is never to show an infinity.
  const struct {
    float value;
    FormField field;
    std::string_view es, en;
  } stored[] = {
      {p.Hm, FormField::f, "la altura de vuelo", "the flying height"},
      {p.bm, FormField::LDIMSR, "la base", "the photo base"},
      {p.am, FormField::ADIMSR, "el avance lateral", "the strip spacing"},
      {p.Lvf, FormField::L, "la longitud de vuelo", "the flight length"},
      {p.Su, FormField::LDIMSR, "la superficie útil"_cp1252, "the useful area"},
      {p.t_obVc, FormField::Vc, "el tiempo de obturación"_cp1252, "the shutter time"},
      {p.t, FormField::VOBTU, "el intervalo entre obturaciones"_cp1252, "the exposure interval"},
  };
  for (const auto& q : stored) {
    if (!std::isfinite(q.value)) {
      return Refuse(q.field, "hace infinito el valor de " + std::string(q.es),
                    "makes " + std::string(q.en) + " infinite");
    }
  }

  const auto Hnm = TruncateToInt(in.Cotmed + static_cast<Extended>(p.Hm));
  if (!Hnm) {
    return OutOfIntRange(FormField::f, "una altura de vuelo sobre el nivel del mar",
                         "a flying altitude");
  }
  p.Hnm = *Hnm;
  const Extended focal_m = in.f * k0_001;
  const auto Escmin =
      TruncateToInt(((in.Cotmed - in.Cotmin) + static_cast<Extended>(p.Hm)) / focal_m);
  if (!Escmin) {
    return OutOfIntRange(FormField::f, "una escala mínima"_cp1252, "a smallest scale number");
  }
  p.Escmin = *Escmin;
  const auto Escmax =
      TruncateToInt((p.Hm - static_cast<Extended>(in.Cotmax - in.Cotmed)) / focal_m);
  if (!Escmax) {
    return OutOfIntRange(FormField::f, "una escala máxima"_cp1252, "a largest scale number");
  }
  p.Escmax = *Escmax;

  // The start point and azimuth, unsigned; the hemispheres act in the geodesy.
  p.lat = static_cast<double>(in.Lat_g + in.Lat_m / static_cast<Extended>(x) +
                              in.Lat_s / static_cast<Extended>(y));
  p.lat_r = static_cast<double>(DegreesToRadians(p.lat));
  p.lon = static_cast<double>(in.Lon_g + in.Lon_m / static_cast<Extended>(x) +
                              in.Lon_s / static_cast<Extended>(y));
  p.az = static_cast<double>(in.Az_g + in.Az_m / static_cast<Extended>(x) +
                             in.Az_s / static_cast<Extended>(y));
  p.az_r = static_cast<double>(DegreesToRadians(p.az));

  if (in.wgs84) {
    p.a = 6378137.0f;
    p.e2 = 0.00669437999016;
  } else {  // Hayford; e2 as given, not derived from a flattening of 1/297
    p.a = 6378388.0f;
    p.e2 = 0.00672265318721;
  }
  out = p;
  return std::nullopt;
}

}  // namespace fotovuelo
