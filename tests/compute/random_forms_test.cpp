// Any text in any field: the computation either refuses with a field and a
// reason or writes a finite, terminated report that fits the buffer. Under
// the sanitizer build this also shows that no conversion overflows.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "compute/calculo.h"

namespace fotovuelo {
namespace {

std::string RandomText(std::mt19937& random, const FormFieldInfo& info, bool any_bytes) {
  // Mostly what the field accepts, within its limit; sometimes anything at all.
  static const std::string kFiltered[] = {"0123456789", "0123456789.", "S N", "E W"};
  const std::string& alphabet = info.filter == "0-9"    ? kFiltered[0]
                                : info.filter == "0-9." ? kFiltered[1]
                                : info.filter == "S N"  ? kFiltered[2]
                                                        : kFiltered[3];
  std::uniform_int_distribution<std::size_t> length(0, any_bytes ? 12 : info.width - 1);
  std::string text(length(random), ' ');
  for (char& c : text) {
    if (any_bytes) {
      c = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
    } else {
      c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
    }
  }
  return text;
}

TEST(RandomForms, EveryRunRefusesOrWritesAFiniteReport) {
  std::mt19937 random(424242);
  static char buffer[kReportBufferSize];
  int computed = 0;
  int refused = 0;
  for (int run = 0; run < 20000; ++run) {
    FormTexts form = FormTexts::WorkedFlight();
    const bool any_bytes = run % 10 == 0;
    // Change a few fields of the worked flight, so that many runs still compute.
    const int changes = std::uniform_int_distribution<int>(1, 6)(random);
    for (int k = 0; k < changes; ++k) {
      const auto& info = AllFields()[std::uniform_int_distribution<std::size_t>(0, 24)(random)];
      form[info.field] = RandomText(random, info, any_bytes);
    }
    form.wgs84 = random() % 3;
    form.analogico = random() % 3;
    std::memset(buffer, 'x', sizeof buffer);
    const auto refusal = Calculo(form, buffer, sizeof buffer);
    if (refusal) {
      ++refused;
      EXPECT_FALSE(refusal->rule_en.empty());
      EXPECT_EQ(buffer[0], 'x') << "a refused run wrote the buffer";
      continue;
    }
    ++computed;
    const std::size_t length = strnlen(buffer, sizeof buffer);
    ASSERT_LT(length, sizeof buffer);
    const std::string report(buffer, length);
    ASSERT_EQ(report.find("INF"), std::string::npos) << report;
    ASSERT_EQ(report.find("NAN"), std::string::npos) << report;
  }
  EXPECT_GT(computed, 5000);
  EXPECT_GT(refused, 1000);
}

}  // namespace
}  // namespace fotovuelo
