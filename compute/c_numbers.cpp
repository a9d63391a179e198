#include "compute/c_numbers.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace fotovuelo {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Where the digits of a number start, after leading white space and a sign.
std::size_t SkipSpaceAndSign(std::string_view text, bool& negative) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i]))
    ++i;
  negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  return i;
}

}  // namespace

long ParseLong(std::string_view text) {
  bool negative = false;
  std::size_t i = SkipSpaceAndSign(text, negative);
  constexpr long kMax = std::numeric_limits<long>::max();
  unsigned long magnitude = 0;
  bool saturated = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const unsigned long digit = static_cast<unsigned long>(text[i] - '0');
    if (magnitude > (static_cast<unsigned long>(kMax) - digit) / 10) {
      saturated = true;
      break;
    }
    magnitude = magnitude * 10 + digit;
  }
  if (saturated)
    return negative ? std::numeric_limits<long>::min() : kMax;
  const long value = static_cast<long>(magnitude);
  return negative ? -value : value;
}

double ParseDouble(std::string_view text) {
  bool negative = false;
  std::size_t i = SkipSpaceAndSign(text, negative);
  // The longest prefix that is a decimal number; from_chars then rounds it
  // correctly without looking at the locale.
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i]))
    ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i]))
      ++i, ++digits;
  }
  if (digits == 0)
    return 0.0;
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-'))
      ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j]))
        ++j;
      end = j;
    }
  }
  double value = 0.0;
  const char* first = text.data() + start;
  const char* last = text.data() + end;
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Out of range either way: atof gives HUGE_VAL above and 0 below. The
    // mantissa alone tells which, compared against the exponent's sign.
    const std::string_view number(first, end - start);
    const auto e = number.find_first_of("eE");
    const bool tiny = e != std::string_view::npos && number.size() > e + 1 && number[e + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (ec != std::errc() || ptr != last) {
    value = 0.0;
  }
  return negative ? -value : value;
}

std::optional<int> TruncateToInt(long double value) {
  if (!std::isfinite(value))
    return std::nullopt;
  const long double truncated = std::trunc(value);
  if (truncated < static_cast<long double>(std::numeric_limits<int>::min()) ||
      truncated > static_cast<long double>(std::numeric_limits<int>::max())) {
    return std::nullopt;
  }
  return static_cast<int>(truncated);
}

std::size_t FormatGeneral(long double value, int precision, char* out, std::size_t capacity) {
  const auto put = [&](std::string_view s) {
    const std::size_t n = s.size() < capacity ? s.size() : capacity;
    std::memcpy(out, s.data(), n);
    return n;
  };
  if (std::isnan(value))
    return put(std::signbit(value) ? "-NAN" : "+NAN");
  if (std::isinf(value))
    return put(value < 0 ? "-INF" : "+INF");
  if (precision < 1)
    precision = 1;

  // Whole numbers below 10^precision print as their digits: the common case
  // in a report (whole seconds, whole metres), and cheaper than the general
  // conversion, which would give the same text.
  if (value == std::trunc(value) && std::fabs(value) < 1e15L && !std::signbit(value)) {
    long double limit = 1;
    for (int k = 0; k < precision; ++k)
      limit *= 10;
    if (value < limit) {
      char digits[24];
      const auto [end, ec] =
          std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value));
      (void)ec;
      return put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }
  }
  // std::to_chars with a precision is defined as printf's %.*Lg in the C locale.
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
  if (ec != std::errc())
    return 0;
  return put(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

}  // namespace fotovuelo
