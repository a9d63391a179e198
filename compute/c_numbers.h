// The number conversions the computation and its report are defined by: the C
// library's atol and atof for reading a field, truncation toward zero for
// storing a real in an int, and printf's general format for writing a real.
// All of them are independent of the process locale: a desktop session in a
// Spanish locale must still read "152.4" as 152.4 and write 11.48, not 11,48.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace fotovuelo {

// atol: leading white space, an optional sign, decimal digits up to the first
// other character; 0 when there are none. Saturates instead of overflowing.
long ParseLong(std::string_view text);

// atof: leading white space, an optional sign, digits with an optional
// fraction and an optional exponent, up to the first character that cannot
// continue the number ("1.2.3" reads 1.2); 0 when there is no number.
// Correctly rounded; a value too large for a double reads as infinity.
double ParseDouble(std::string_view text);

// A real stored in an int, truncated toward zero; nothing when the value is
// not finite or its truncation does not fit in 32 bits.
std::optional<int> TruncateToInt(long double value);

// The general ("%.*Lg") form of value with the given number of significant
// digits: trailing zeros and a bare decimal point removed, scientific notation
// when the decimal exponent is below -4 or not below the precision, "+INF",
// "-INF", "+NAN" or "-NAN" for values that are not finite. Writes at most
// capacity characters (32 always suffice) and returns how many it wrote.
std::size_t FormatGeneral(long double value, int precision, char* out, std::size_t capacity);

}  // namespace fotovuelo
