#include "compute/c_numbers.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace fotovuelo {
namespace {

std::string Format(long double v, int precision) {
  char out[64];
  return std::string(out, FormatGeneral(v, precision, out, sizeof out));
}

TEST(ParseLong, ReadsAsAtolDoes) {
  const struct {
    const char* text;
    long value;
  } cases[] = {
      {"", 0},    {"15000", 15000}, {"  42x", 42},
      {"+7", 7},  {"-12", -12},     {"1.9", 1},
      {"abc", 0}, {"00012", 12},    {"99999999999999999999", std::numeric_limits<long>::max()}};
  for (const auto& c : cases)
    EXPECT_EQ(ParseLong(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseDouble, ReadsAsAtofDoes) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"", 0.0},     {"152.4", 152.4},  {"1.2.3", 1.2},  {".5", 0.5},
               {"5.", 5.0},   {" 0.002", 0.002}, {"-3", -3.0},    {".", 0.0},
               {"1e3", 1000}, {"2e", 2.0},       {"7e-2x", 0.07}, {"abc", 0.0}};
  for (const auto& c : cases)
    EXPECT_EQ(ParseDouble(c.text), c.value) << '"' << c.text << '"';
  EXPECT_TRUE(std::isinf(ParseDouble("9e999")));
  EXPECT_EQ(ParseDouble("1e-999"), 0.0);
}

TEST(ParseDouble, IgnoresTheProcessLocale) {
  // A desktop session in Spanish uses a decimal comma; the fields never do.
  const char* previous = setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (setlocale(LC_NUMERIC, "es_ES.UTF-8") == nullptr &&
      setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  EXPECT_EQ(ParseDouble("152.4"), 152.4);
  EXPECT_EQ(Format(11.48f, 7), "11.48");
  setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TruncateToInt, TruncatesTowardZeroAndRefusesWhatDoesNotFit) {
  EXPECT_EQ(TruncateToInt(1349.9999L), 1349);
  EXPECT_EQ(TruncateToInt(-4685.04L), -4685);
  EXPECT_EQ(TruncateToInt(2147483647.9L), 2147483647);
  EXPECT_EQ(TruncateToInt(-2147483648.9L), std::numeric_limits<int>::min());
  EXPECT_FALSE(TruncateToInt(2147483648.0L));
  EXPECT_FALSE(TruncateToInt(-2147483649.0L));
  EXPECT_FALSE(TruncateToInt(std::numeric_limits<long double>::infinity()));
  EXPECT_FALSE(TruncateToInt(std::numeric_limits<long double>::quiet_NaN()));
}

TEST(FormatGeneral, WorkedExamples) {
  const struct {
    long double value;
    int precision;
    const char* text;
  } cases[] = {
      {1523.456f, 7, "1523.456"},
      {52.8f, 7, "52.8"},
      {123.456f, 4, "123.5"},
      {12345.6f, 4, "1.235e+04"},
      {0.0000125f, 7, "1.25e-05"},
      {3000.0f, 7, "3000"},
      {11.48f, 7, "11.48"},
      {0.0108f, 7, "0.0108"},
      {3.6827279f, 7, "3.682728"},
      {3.3327f, 4, "3.333"},
      {0.0f, 4, "0"},
      {-0.0f, 4, "-0"},
      {59.0f, 4, "59"},
      {9999.0f, 4, "9999"},
      {10000.0f, 4, "1e+04"},
      {-4685.0f, 7, "-4685"},
      {12.3f, 4, "12.3"},
      {7.125f, 4, "7.125"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Format(c.value, c.precision), c.text) << static_cast<double>(c.value);
  }
  EXPECT_EQ(Format(std::numeric_limits<long double>::infinity(), 7), "+INF");
  EXPECT_EQ(Format(-std::numeric_limits<long double>::infinity(), 7), "-INF");
  EXPECT_EQ(Format(std::numeric_limits<long double>::quiet_NaN(), 7), "+NAN");
  EXPECT_EQ(Format(-std::numeric_limits<long double>::quiet_NaN(), 7), "-NAN");
}

TEST(FormatGeneral, AgreesWithTheCLibraryOnWidenedFloats) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<std::uint32_t> bits;
  for (int k = 0; k < 200000; ++k) {
    std::uint32_t raw = bits(random);
    float f;
    std::memcpy(&f, &raw, sizeof f);
    if (!std::isfinite(f))
      continue;
    for (const int precision : {4, 7}) {
      char expected[64];
      std::snprintf(expected, sizeof expected, "%.*Lg", precision, static_cast<long double>(f));
      ASSERT_EQ(Format(f, precision), expected) << "bits " << raw;
    }
  }
  for (int whole = 0; whole <= 100000; whole += 7) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.*Lg", 4, static_cast<long double>(whole));
    ASSERT_EQ(Format(static_cast<float>(whole), 4), expected);
  }
}

}  // namespace
}  // namespace fotovuelo
