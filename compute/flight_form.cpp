#include "compute/flight_form.h"

#include <algorithm>
#include <cstring>

#include "compute/cp1252.h"

namespace fotovuelo {

using cp1252::operator""_cp1252;

namespace {

constexpr std::string_view kDigits = "0-9";
constexpr std::string_view kDecimal = "0-9.";

// In the order the computation reads them. The L and A buffers are one wider
// than their fields; every buffer holds the whole text of its field.
constexpr std::array<FormFieldInfo, kFormFieldCount> kFields = {{
    {FormField::Mf, 10, "Mf", "scale", 7, kDigits, 7},
    {FormField::f, 11, "f", "focal length", 8, kDecimal, 8},
    {FormField::LDIMSR, 111, "Sl", "sensor length", 7, kDecimal, 7},
    {FormField::ADIMSR, 112, "Sa", "sensor width", 7, kDecimal, 7},
    {FormField::P, 12, "p", "forward overlap", 3, kDigits, 3},
    {FormField::Q, 13, "q", "side overlap", 3, kDigits, 3},
    {FormField::L, 14, "L", "area length", 4, kDecimal, 5},
    {FormField::A, 15, "A", "area width", 4, kDecimal, 5},
    {FormField::VOBTU, 16, "T. Obturación"_cp1252, "shutter time", 8, kDecimal, 8},
    {FormField::Vc, 17, "V. Crucero", "cruise speed", 5, kDigits, 5},
    {FormField::Vmi, 38, "V. Mínima"_cp1252, "minimum speed", 5, kDigits, 5},
    {FormField::Cotmin, 27, "Cota min.", "lowest terrain", 5, kDigits, 5},
    {FormField::Cotmax, 28, "Cota max.", "highest terrain", 5, kDigits, 5},
    {FormField::Cotmed, 23, "Cota med.", "mean terrain", 5, kDigits, 5},
    {FormField::Lat_g, 37, "Lat0 (grados)", "start latitude degrees", 4, kDigits, 4},
    {FormField::Lat_m, 36, "Lat0 (minutos)", "start latitude minutes", 3, kDigits, 3},
    {FormField::Lat_s, 35, "Lat0 (segundos)", "start latitude seconds", 6, kDecimal, 6},
    {FormField::Lon_g, 34, "Lon0 (grados)", "start longitude degrees", 4, kDigits, 4},
    {FormField::Lon_m, 33, "Lon0 (minutos)", "start longitude minutes", 3, kDigits, 3},
    {FormField::Lon_s, 32, "Lon0 (segundos)", "start longitude seconds", 6, kDecimal, 6},
    {FormField::Az_g, 31, "Acimut (grados)", "azimuth degrees", 4, kDigits, 4},
    {FormField::Az_m, 30, "Acimut (minutos)", "azimuth minutes", 3, kDigits, 3},
    {FormField::Az_s, 29, "Acimut (segundos)", "azimuth seconds", 6, kDecimal, 6},
    {FormField::Emis, 103, "N/S", "latitude hemisphere", 2, "S N", 2},
    {FormField::Gree, 104, "E/W", "longitude side", 2, "E W", 2},
}};

static_assert([] {
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    if (static_cast<std::size_t>(kFields[i].field) != i)
      return false;
    if (kFields[i].read_capacity < kFields[i].width)
      return false;
  }
  return true;
}());

}  // namespace

const FormFieldInfo& FieldInfo(FormField field) {
  return kFields[static_cast<std::size_t>(field)];
}

const std::array<FormFieldInfo, kFormFieldCount>& AllFields() {
  return kFields;
}

void FormTexts::GetFieldText(FormField field, char* buffer, std::size_t capacity) const {
  if (capacity == 0)
    return;
  const std::string& text = (*this)[field];
  const std::size_t n = std::min(text.size(), capacity - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

unsigned FormTexts::GetCheck(FormButton button) const {
  return button == FormButton::RButton1 ? wgs84 : analogico;
}

FormTexts FormTexts::WorkedFlight() {
  FormTexts form;
  form[FormField::Mf] = "15000";
  form[FormField::f] = "152.4";
  form[FormField::LDIMSR] = "230";
  form[FormField::ADIMSR] = "230";
  form[FormField::P] = "60";
  form[FormField::Q] = "30";
  form[FormField::L] = "10";
  form[FormField::A] = "5";
  form[FormField::VOBTU] = "0.002";
  form[FormField::Vc] = "250";
  form[FormField::Vmi] = "150";
  form[FormField::Cotmin] = "100";
  form[FormField::Cotmax] = "500";
  form[FormField::Cotmed] = "300";
  form[FormField::Lat_g] = "40";
  form[FormField::Lat_m] = "0";
  form[FormField::Lat_s] = "0";
  form[FormField::Lon_g] = "3";
  form[FormField::Lon_m] = "0";
  form[FormField::Lon_s] = "0";
  form[FormField::Az_g] = "0";
  form[FormField::Az_m] = "0";
  form[FormField::Az_s] = "0";
  form[FormField::Emis] = "N";
  form[FormField::Gree] = "W";
  form.wgs84 = 1;
  form.analogico = 1;
  return form;
}

}  // namespace fotovuelo
