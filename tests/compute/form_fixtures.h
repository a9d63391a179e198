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

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::string DataPath(const std::string& name) {
  return std::string(FOTOVUELO_TEST_DATA) + "/" + name;
}

}  // namespace fotovuelo::testing
