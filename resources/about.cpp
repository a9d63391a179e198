// The About box's text: the program's own authorship notice.
#include "compute/cp1252.h"
#include "resources/module.h"

namespace fotovuelo::res {

using cp1252::operator""_cp1252;

std::string_view AboutText() {
  return "Fotovuelo 1.0\r\n"
         "Programación de un vuelo fotogramétrico.\r\n"
         "\r\n"
         "Altura de vuelo, base, pasadas y fotogramas,\r\n"
         "y las coordenadas de cada centro de toma\r\n"
         "sobre el elipsoide WGS 84 o Hayford.\r\n"
         "\r\n"
         "Escrito por los autores de Fotovuelo."_cp1252;
}

}  // namespace fotovuelo::res
