// Forms for the computation tests.
#pragma once

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

#include "compute/flight_form.h"

namespace fotovuelo::testing {

// The worked flight with some fields changed.
inline FormTexts WorkedFlightWith(
    std::initializer_list<std::pair<FormField, const char*>> changes) {
  FormTexts form = FormTexts::WorkedFlight();
  for (const auto& [field, text] : changes)
    form[field] = text;
  return form;
}

// A flight whose operating speed is 540 km/h (scale 30000, shutter 0.01 s),
// with the given minimum speed.
inline FormTexts LowSpeedFlight(const char* minimum_speed) {
  return WorkedFlightWith({{FormField::Mf, "30000"},
                           {FormField::f, "88"},
                           {FormField::L, "20"},
                           {FormField::A, "9"},
                           {FormField::VOBTU, "0.01"},
                           {FormField::Vmi, minimum_speed}});
}

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::string DataPath(const std::string& name) {
  return std::string(FOTOVUELO_TEST_DATA) + "/" + name;
}

}  // namespace fotovuelo::testing
