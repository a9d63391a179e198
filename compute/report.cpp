#include "compute/report.h"

#include <algorithm>
#include <cstring>

#include "compute/c_numbers.h"
#include "compute/cp1252.h"

namespace fotovuelo {

char buffer_Tesmara[kReportBufferSize];

using cp1252::operator""_cp1252;

namespace {

// The part of the buffer cleared before each report: every report of a
// block of at most 20 x 20 ends well inside it.
constexpr std::size_t kClearedSize = 30000;

// An output stream over a fixed buffer: it stops silently when the buffer is
// full and writes no terminator of its own.
class ReportStream {
 public:
  ReportStream(char* buffer, std::size_t capacity) : buffer_(buffer), capacity_(capacity) {}

  void precision(int digits) { precision_ = digits; }
  std::size_t size() const { return size_; }

  ReportStream& operator<<(std::string_view text) {
    Put(text.data(), text.size());
    return *this;
  }
  ReportStream& operator<<(const char* text) { return *this << std::string_view(text); }
  ReportStream& operator<<(long value) {
    char digits[24];
    char* first = digits + sizeof digits;
    unsigned long magnitude =
        value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
      *--first = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
      *--first = '-';
    Put(first, static_cast<std::size_t>(digits + sizeof digits - first));
    return *this;
  }
  ReportStream& operator<<(int value) { return *this << static_cast<long>(value); }
  // Floats are widened, exactly, before they are written.
  ReportStream& operator<<(float value) {
    char digits[40];
    Put(digits, FormatGeneral(static_cast<long double>(value), precision_, digits, sizeof digits));
    return *this;
  }

 private:
  // The pieces are a few bytes long: a plain loop beats a call to memcpy.
  void Put(const char* text, std::size_t n) {
    if (n > capacity_ - size_)
      n = capacity_ - size_;
    char* out = buffer_ + size_;
    for (std::size_t k = 0; k < n; ++k)
      out[k] = text[k];
    size_ += n;
  }

  char* buffer_;
  std::size_t capacity_;
  std::size_t size_ = 0;
  int precision_ = 6;
};

ReportedCoordinate Report(double value, int g, int m, float s, std::string_view typed,
                          std::string_view other_side) {
  ReportedCoordinate c{};
  // Beyond the equator or the meridian the three parts are all zero or
  // negative; the line shows their magnitude with the letter of that side.
  c.across = value < 0;
  if (c.across) {
    g = -g;
    m = -m;
    s = -s;
  }
  c.seconds = static_cast<int>(s);
  // Taken in double, the extended result exactly: a float less its whole
  // part is exact, and that times 1000 needs 34 bits of significand.
  c.thousandths = static_cast<int>((static_cast<double>(s) - c.seconds) * 1000.0);
  if (c.seconds == 60) {  // float seconds that rounded up to 60.0
    c.seconds = 0;
    ++m;
  }
  if (m == 60) {
    m = 0;
    ++g;
  }
  c.degrees = g;
  c.minutes = m;
  c.letter = c.across ? other_side : typed;
  return c;
}

// An exposure line is composed here and handed to the stream in one piece:
// written piece by piece, the stream's bounds checks were most of the cost of
// a report. 160 characters hold the longest line (two coordinates with
// ten-digit degrees and three-digit labels come to about 100).
class ExposureLine {
 public:
  ExposureLine& operator<<(std::string_view text) {
    for (const char c : text)
      *end_++ = c;
    return *this;
  }
  ExposureLine& operator<<(int value) {
    char digits[12];
    char* first = digits + sizeof digits;
    unsigned magnitude =
        value < 0 ? 0U - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
      *--first = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
      *--first = '-';
    while (first != digits + sizeof digits)
      *end_++ = *first++;
    return *this;
  }
  ExposureLine& operator<<(const ReportedCoordinate& c) {
    // The whole seconds are a float written at precision 4; a whole number
    // from 0 to 59 prints as its digits, so it goes the integer way. The
    // thousandths always take three digits.
    *this << c.degrees << "° "_cp1252 << c.minutes << "' " << c.seconds << ".";
    *end_++ = static_cast<char>('0' + c.thousandths / 100);
    *end_++ = static_cast<char>('0' + c.thousandths / 10 % 10);
    *end_++ = static_cast<char>('0' + c.thousandths % 10);
    return *this << "\"" << c.letter;
  }
  std::string_view view() const { return {text_, static_cast<std::size_t>(end_ - text_)}; }

 private:
  char text_[160];
  char* end_ = text_;
};

}  // namespace

ReportedCentre ReportCentre(const FlightInputs& in, const ExposureCentres& centres, int i, int j) {
  ReportedCentre centre;
  centre.exposure = i + 1;
  centre.strip = j + 1;
  centre.latitude = Report(centres.Latitud[i][j], centres.Latitud_g[i][j], centres.Latitud_m[i][j],
                           centres.Latitud_s[i][j], in.StringEmis, in.Emis ? "N" : "S");
  centre.longitude =
      Report(centres.Longitud[i][j], centres.Longitud_g[i][j], centres.Longitud_m[i][j],
             centres.Longitud_s[i][j], in.StringGree, in.Greew ? "E" : "W");
  return centre;
}

std::size_t WriteReport(const FlightInputs& in, const FlightParameters& p,
                        const ExposureCentres& centres, char* buffer, std::size_t capacity) {
  if (capacity == 0)
    return 0;
  std::memset(buffer, 0, std::min(kClearedSize, capacity));
  // One byte is kept for the terminator, so that a report longer than the
  // cleared part can never run into an older, longer one.
  ReportStream out(buffer, capacity - 1);

  out.precision(7);
  out << "\r\n";
  out << "Altura de vuelo sobre el terreno m = " << p.Hm << "\r\n\r\n";
  out << "Base fotogramétrica m = "_cp1252 << p.bm << "\r\n\r\n";
  out << "Avance lateral m = " << p.am << "\r\n\r\n";
  out << "Número de fotos por faja = "_cp1252 << p.nFot_faj << "\r\n\r\n";
  out << "Número de fajas = "_cp1252 << p.nfajas << "\r\n\r\n";
  out << "Cantidad de fotogramas = " << p.N << "\r\n\r\n";
  out << "Longitud vuelo fotogramétrico Km = "_cp1252 << p.Lvf << "\r\n\r\n";
  out.precision(4);
  out << "Superficie util Km2 = " << p.Su << "\r\n\r\n";
  out.precision(7);
  if (in.analogico && p.Pel) {
    out << "Cantidad de película m = "_cp1252 << *p.Pel << "\r\n\r\n";
  }
  out << "Velocidad de operación del avión Km/h = "_cp1252 << p.Vo << "\r\n";
  if (p.LowSpeed(in)) {
    out << "Observación: La velocidad de operacion esta por debajo de la velocidad minima de "
           "sustentación"_cp1252
        << "\r\n";
  }
  out << "\r\nTiempo de obturación para velocidad crucero sg = "_cp1252 << p.t_obVc << "\r\n\r\n";
  out << "Intervalo entre obturaciones sg = " << p.t << "\r\n\r\n\r\n";
  out << "Altura de vuelo sobre el nivel del mar m = " << p.Hnm << "\r\n\r\n";
  out << "Escala mínima aproximada = 1/"_cp1252 << p.Escmin << "\r\n";
  out << "Escala maxima aproximada = 1/" << p.Escmax << "\r\n\r\n\r\n";

  out.precision(4);
  out << "Coordenadas centro de toma comienzo líneas de vuelo:"_cp1252
      << "\r\n";
  out << "Latitud = " << in.Lat_g << "° "_cp1252 << in.Lat_m << "' " << in.Lat_s << "\" "
      << in.StringEmis << "\r\n";
  out << "Longitud = " << in.Lon_g << "° "_cp1252 << in.Lon_m << "' " << in.Lon_s << "\" "
      << in.StringGree << "\r\n";
  out << "Acimut Elipsóidico de las líneas de vuelo= "_cp1252 << in.Az_g << "° "_cp1252 << in.Az_m
      << "' " << in.Az_s << "\" "
      << "\r\n\r\n";
  out << "\r\nCoordenadas Geográficas de los Centros de Toma"_cp1252
      << "\r\n\r\n";

  for (int j = 0; j < centres.nfajas; ++j) {
    for (int i = 0; i < centres.nFot_faj; ++i) {
      const ReportedCentre c = ReportCentre(in, centres, i, j);
      ExposureLine line;
      line << "Ø"_cp1252 << c.exposure << c.strip << " = " << c.latitude << "      Long"
           << c.exposure << c.strip << " = " << c.longitude << "\r\n";
      out << line.view();
    }
  }
  buffer[out.size()] = '\0';
  return out.size();
}

}  // namespace fotovuelo
