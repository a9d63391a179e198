// libFuzzer target for "&Calcular": the fuzzer's bytes become a form as the
// data form can hold it, and the run must end in a refusal or in a finite,
// terminated report with one line per exposure.
//
// Input: two bytes for "WGS 84" and "Analógico" (odd is checked), then the 25
// texts in the computation's order, separated by '|'. Each text keeps only
// the characters its field's filter lets through and at most as many as its
// edit accepts, as typing into the form would.
//
//   bash scripts/fuzz.sh calculo [seconds]
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "compute/calculo.h"
#include "compute/char_set.h"
#include "compute/cp1252.h"

namespace {

using namespace fotovuelo;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "calculo_fuzz: %s\n", what);
  std::abort();
}

bool HasAnyCase(std::string_view text, std::string_view word) {
  for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < word.size() && (text[i + k] | 0x20) == word[k])
      ++k;
    if (k == word.size())
      return true;
  }
  return false;
}

std::size_t CountExposureLines(std::string_view report) {
  const std::string_view mark = "\r\n\xD8";  // "Ø" in Windows-1252 opens each exposure line
  std::size_t count = 0;
  for (std::size_t at = report.find(mark); at != std::string_view::npos;
       at = report.find(mark, at + 1)) {
    ++count;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2)
    return 0;
  FormTexts form;
  form.wgs84 = data[0] & 1u;
  form.analogico = data[1] & 1u;
  std::size_t field = 0;
  for (std::size_t i = 2; i < size && field < kFormFieldCount; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '|') {
      ++field;
      continue;
    }
    const FormFieldInfo& info = AllFields()[field];
    std::string& text = form.texts[field];
    if (CharSet(info.filter).Has(c) && text.size() + 1 < info.width)
      text.push_back(c);
  }

  // The buffer is filled with a mark first so that a report that forgot its
  // terminator, or one that ran past its end, is seen.
  static char buffer[kReportBufferSize];
  std::memset(buffer, 'x', sizeof buffer);
  FlightResult result;
  const bool computed = !ComputeFlight(form, result).has_value();
  if (Calculo(form, buffer, sizeof buffer).has_value()) {
    if (computed)
      Fail("Calculo refused a form ComputeFlight accepted");
    for (const char c : buffer) {
      if (c != 'x')
        Fail("a refused run wrote into the buffer");
    }
    return 0;
  }
  if (!computed)
    Fail("Calculo reported a form ComputeFlight refused");
  const std::size_t length = strnlen(buffer, sizeof buffer);
  if (length == sizeof buffer)
    Fail("the report is not terminated inside the buffer");
  const std::string_view report(buffer, length);
  if (HasAnyCase(report, "inf") || HasAnyCase(report, "nan"))
    Fail("the report holds an infinity or a NaN");
  const auto expected = static_cast<std::size_t>(result.parameters.nfajas) *
                        static_cast<std::size_t>(result.parameters.nFot_faj);
  if (CountExposureLines(report) != expected)
    Fail("the report's exposure lines are not strips x exposures");
  return 0;
}
