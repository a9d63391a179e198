#include "reports/data_summary.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "compute/cp1252.h"

namespace fotovuelo::reports {

using cp1252::operator""_cp1252;

namespace {

// A text field up to its terminator, never past its width.
template <std::size_t N>
std::string_view Field(const char (&field)[N]) {
  return std::string_view(field, strnlen(field, N));
}

// A check state reads "Ok." when it is not 0. The two texts of a row may
// differ in more than the word: they stand as they are.
std::string_view Choice(std::uint32_t state, std::string_view ok, std::string_view no) {
  return state != 0 ? ok : no;
}

}  // namespace

std::string DataSummary(const TTransferStruct& r) {
  std::string s;
  s.reserve(2048);
  // A label, the field's text and the line's end.
  const auto row = [&s](std::string_view label, std::string_view value, std::string_view end) {
    s += label;
    s += value;
    s += end;
  };
  s += "INFORMACION PARA EL VUELO FOTOGRAMETRICO\r\n\r\nAplicación:\r\n"_cp1252;
  s += Choice(r.CheckBox4, "Fotogrametría: Ok.\r\n"_cp1252, "Fotogrametría: NO\r\n"_cp1252);
  s += Choice(r.CheckBox5, "Fotointerpretación: Ok.\r\n"_cp1252,
              "Fotointerpretación: NO\r\n"_cp1252);
  s += "\r\n\r\n";
  row("Escala del fotograma = 1/", Field(r.Mf_Edit), "\r\n\r\n");
  row("Distancia focal mm = ", Field(r.f_Edit), "\r\n");
  s += "Dimensiones del Sensor de la Cámara\r\n"_cp1252;
  row("Largo mm = ", Field(r.LDIMSR_Edit), "\r\n");
  row("Ancho mm = ", Field(r.ADIMSR_Edit), "\r\n\r\n");
  // The line ends even when "p" is empty, so the next label keeps its own line.
  row("Superposición longitudinal % = "_cp1252, Field(r.P_Edit), "\r\n");
  row("Superposición transversal % = "_cp1252, Field(r.Q_Edit), "\r\n");
  s += "Superficie a Volar\r\n";
  row("Largo en Km = ", Field(r.L_Edit), "\r\n");
  row("Ancho en Km = ", Field(r.A_Edit), "\r\n");
  row("Tiempo de obturacion sg. = ", Field(r.VOBTU_Edit), "\r\n");
  row("Velocidad Crucero Km/h = ", Field(r.Vc_Edit), "\r\n");
  s += "\r\n\r\nTipo de Zona\r\n\r\n";
  s += Choice(r.CheckBox1, "Zona rural: Ok.\r\n", "Zona rural: NO\r\n");
  s += Choice(r.CheckBox2, "Zona urbana: Ok.\r\n", "Zona Urbana: NO\r\n");
  s += Choice(r.CheckBox3, "Zona de montaña: Ok.\r\n"_cp1252, "Zona de montaña: NO\r\n\r\n"_cp1252);
  s += "\r\nSistema de Referencia\r\n\r\n";
  s += Choice(r.WGS84, "Elipsoide referencia WGS84: Ok.\r\n", "Elipsoide referencia WGS84: NO\r\n");
  s += Choice(r.Hayford, "Elipsoide referencia Hayford: Ok.\r\n",
              "Elipsoide referencia Hayford: NO\r\n\r\n");
  s += "\r\n";
  row("Cota Minima Terreno m = ", Field(r.Cotmin_Edit), "\r\n");
  row("Cota Maxima Terreno m = ", Field(r.Cotmax_Edit), "\r\n");
  row("Cota Media Terreno m = ", Field(r.Cotmed_Edit), "\r\n");
  s += "\r\n\r\n";

  // Every line of the information list, in the record's order.
  const auto& lines = r.ListBoxData.Get().Strings;
  if (!lines.empty()) {
    s += "Elementos :\r\n";
    for (const std::string& line : lines)
      row("    ", line, "\r\n");
    s += "\r\n";
  }
  if (r.LBDataEdit[0] != '\0') {
    row("String from Edit control for ListBox data:\r\n    ", Field(r.LBDataEdit), "\r\n");
  }
  return s;
}

}  // namespace fotovuelo::reports
