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
  s += "INFORMACION PARA EL VUELO FOTOGRAMETRICO\r\n\r\nAplicación:\r\n"_cp1252;
  s += Choice(r.CheckBox4, "Fotogrametría: Ok.\r\n"_cp1252, "Fotogrametría: NO\r\n"_cp1252);
  s += Choice(r.CheckBox5, "Fotointerpretación: Ok.\r\n"_cp1252,
              "Fotointerpretación: NO\r\n"_cp1252);
  s += "\r\n\r\n";
  s += "Escala del fotograma = 1/";
  s += Field(r.Mf_Edit);
  s += "\r\n\r\n";
  s += "Distancia focal mm = ";
  s += Field(r.f_Edit);
  s += "\r\n";
  s += "Dimensiones del Sensor de la Cámara\r\n"_cp1252;
  s += "Largo mm = ";
  s += Field(r.LDIMSR_Edit);
  s += "\r\n";
  s += "Ancho mm = ";
  s += Field(r.ADIMSR_Edit);
  s += "\r\n\r\n";
  // The line ends even when "p" is empty, so the next label keeps its own line.
  s += "Superposición longitudinal % = "_cp1252;
  s += Field(r.P_Edit);
  s += "\r\n";
  s += "Superposición transversal % = "_cp1252;
  s += Field(r.Q_Edit);
  s += "\r\n";
  s += "Superficie a Volar\r\n";
  s += "Largo en Km = ";
  s += Field(r.L_Edit);
  s += "\r\n";
  s += "Ancho en Km = ";
  s += Field(r.A_Edit);
  s += "\r\n";
  s += "Tiempo de obturacion sg. = ";
  s += Field(r.VOBTU_Edit);
  s += "\r\n";
  s += "Velocidad Crucero Km/h = ";
  s += Field(r.Vc_Edit);
  s += "\r\n";
  s += "\r\n\r\nTipo de Zona\r\n\r\n";
  s += Choice(r.CheckBox1, "Zona rural: Ok.\r\n", "Zona rural: NO\r\n");
  s += Choice(r.CheckBox2, "Zona urbana: Ok.\r\n", "Zona Urbana: NO\r\n");
  s += Choice(r.CheckBox3, "Zona de montaña: Ok.\r\n"_cp1252, "Zona de montaña: NO\r\n\r\n"_cp1252);
  s += "\r\nSistema de Referencia\r\n\r\n";
  s += Choice(r.WGS84, "Elipsoide referencia WGS84: Ok.\r\n", "Elipsoide referencia WGS84: NO\r\n");
  s += Choice(r.Hayford, "Elipsoide referencia Hayford: Ok.\r\n",
              "Elipsoide referencia Hayford: NO\r\n\r\n");
  s += "\r\n";
  s += "Cota Minima Terreno m = ";
  s += Field(r.Cotmin_Edit);
  s += "\r\n";
  s += "Cota Maxima Terreno m = ";
  s += Field(r.Cotmax_Edit);
  s += "\r\n";
  s += "Cota Media Terreno m = ";
  s += Field(r.Cotmed_Edit);
  s += "\r\n";
  s += "\r\n\r\n";

  // Every line of the information list, in the record's order.
  const auto& lines = r.ListBoxData.Get().Strings;
  if (!lines.empty()) {
    s += "Elementos :\r\n";
    for (const std::string& line : lines) {
      s += "    ";
      s += line;
      s += "\r\n";
    }
    s += "\r\n";
  }
  if (r.LBDataEdit[0] != '\0') {
    s += "String from Edit control for ListBox data:\r\n    ";
    s += Field(r.LBDataEdit);
    s += "\r\n";
  }
  return s;
}

}  // namespace fotovuelo::reports
