// Input the computation has no result for. The run stops before it writes
// anything and says which field to change and why, in Spanish for the form
// and in English for the command line.
#pragma once

#include <string>

#include "compute/flight_form.h"

namespace fotovuelo {

struct Refusal {
  FormField field;
  std::string rule_es;  // Windows-1252, e.g. "debe ser mayor que 0"
  std::string rule_en;  // e.g. "must be greater than 0"

  // "El dato «f» debe ser mayor que 0." in Windows-1252.
  std::string SpanishMessage() const;
  // "focal length (f) must be greater than 0"
  std::string EnglishMessage() const;
};

}  // namespace fotovuelo
