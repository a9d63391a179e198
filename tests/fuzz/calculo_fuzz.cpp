// libFuzzer target: the fuzzer's bytes become the 25 texts and the two button
// states of a form. Whatever they are, a run either refuses or writes a
// finite report that ends inside the buffer.
//
//   bash scripts/fuzz.sh [seconds]
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "compute/calculo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fotovuelo;
  if (size < 2)
    return 0;
  FormTexts form;
  form.wgs84 = data[0] % 3;
  form.analogico = data[1] % 3;
  // Fields are separated by '|'; missing fields stay empty.
  std::size_t field = 0;
  for (std::size_t i = 2; i < size && field < kFormFieldCount; ++i) {
    if (data[i] == '|') {
      ++field;
    } else {
      form.texts[field].push_back(static_cast<char>(data[i]));
    }
  }
  static char buffer[kReportBufferSize];
  if (Calculo(form, buffer, sizeof buffer))
    return 0;
  const std::size_t length = strnlen(buffer, sizeof buffer);
  if (length == sizeof buffer)
    std::abort();
  const std::string report(buffer, length);
  if (report.find("INF") != std::string::npos || report.find("NAN") != std::string::npos) {
    std::abort();
  }
  return 0;
}
