// What the computation needs of the data form, and nothing more: the text of
// each of its 25 numeric and hemisphere fields, and the check state of two
// radio buttons. The desktop form, the command-line tool and the tests each
// hand the computation a FlightForm.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace fotovuelo {

// The fields the computation reads, in the order it reads them.
enum class FormField : int {
  Mf,      // scale number, edit 10 "Mf"
  f,       // focal length in mm, edit 11 "f"
  LDIMSR,  // frame side along the line in mm, edit 111 "Sl"
  ADIMSR,  // frame side across the line in mm, edit 112 "Sa"
  P,       // forward overlap in %, edit 12 "p"
  Q,       // side overlap in %, edit 13 "q"
  L,       // area length in km, edit 14 "L"
  A,       // area width in km, edit 15 "A"
  VOBTU,   // shutter time in s, edit 16 "T. Obturación"
  Vc,      // cruise speed in km/h, edit 17 "V. Crucero"
  Vmi,     // minimum speed in km/h, edit 38 "V. Mínima"
  Cotmin,  // lowest terrain in m, edit 27 "Cota min."
  Cotmax,  // highest terrain in m, edit 28 "Cota max."
  Cotmed,  // mean terrain in m, edit 23 "Cota med."
  Lat_g,   // start latitude, degrees, edit 37
  Lat_m,   // minutes, edit 36
  Lat_s,   // seconds, edit 35
  Lon_g,   // start longitude, degrees, edit 34
  Lon_m,   // minutes, edit 33
  Lon_s,   // seconds, edit 32
  Az_g,    // azimuth of the lines, degrees, edit 31
  Az_m,    // minutes, edit 30
  Az_s,    // seconds, edit 29
  Emis,    // hemisphere of the latitude, edit 103: "S" is south
  Gree,    // side of Greenwich, edit 104: "W" is west
};
inline constexpr std::size_t kFormFieldCount = 25;

// The two radio buttons the computation asks.
enum class FormButton : int {
  RButton1,  // 106 "WGS 84": checked selects WGS 84, anything else Hayford
  RButton3,  // 114 "Analógico": checked selects the analogue camera
};

// Everything known about one field: where it stands on the form, how many
// characters it accepts, which characters, and the buffer it is read into.
struct FormFieldInfo {
  FormField field;
  int control;                // control number on the data form
  std::string_view label;     // the form's label, Windows-1252 ("T. Obturación")
  std::string_view english;   // a short English name for messages
  std::size_t width;          // record width: the edit's text limit, terminator included
  std::string_view filter;    // accepted characters, in the filter syntax ("0-9.")
  std::size_t read_capacity;  // buffer the computation reads the text into
};

const FormFieldInfo& FieldInfo(FormField field);
const std::array<FormFieldInfo, kFormFieldCount>& AllFields();

// The data form as the computation sees it.
class FlightForm {
 public:
  virtual ~FlightForm() = default;

  // Copies at most capacity - 1 characters of the field's text into buffer
  // and terminates it, as reading a control's window text does.
  virtual void GetFieldText(FormField field, char* buffer, std::size_t capacity) const = 0;

  // The button's check state: 1 is checked, anything else is not.
  virtual unsigned GetCheck(FormButton button) const = 0;
};

// A form held as plain texts (Windows-1252) and two check states: for the
// command-line tool, the tests and the benchmarks.
class FormTexts final : public FlightForm {
 public:
  std::array<std::string, kFormFieldCount> texts;
  unsigned wgs84 = 0;      // state of "WGS 84"
  unsigned analogico = 0;  // state of "Analógico"

  std::string& operator[](FormField field) { return texts[static_cast<std::size_t>(field)]; }
  const std::string& operator[](FormField field) const {
    return texts[static_cast<std::size_t>(field)];
  }

  void GetFieldText(FormField field, char* buffer, std::size_t capacity) const override;
  unsigned GetCheck(FormButton button) const override;

  // The worked flight: scale 15000, focal 152.4 mm, frame 230 x 230 mm,
  // overlaps 60 / 30 %, area 10 x 5 km, shutter 0.002 s, speeds 250 / 150
  // km/h, terrain 100 / 500 / 300 m, analogue camera, WGS 84, start point
  // 40° 0' 0" N, 3° 0' 0" W, azimuth 0° 0' 0".
  static FormTexts WorkedFlight();
};

}  // namespace fotovuelo
