#include "compute/cp1252.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace fotovuelo::cp1252 {
namespace {

// glibc's converter is the reference for every byte.
std::optional<std::string> IconvToUtf8(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-8", "WINDOWS-1252");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  char in[1] = {static_cast<char>(byte)};
  char out[8] = {};
  char* in_ptr = in;
  char* out_ptr = out;
  size_t in_left = 1;
  size_t out_left = sizeof out;
  const size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1))
    return std::nullopt;
  return std::string(out, sizeof out - out_left);
}

TEST(Cp1252, EveryByteAgreesWithIconv) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const auto expected = IconvToUtf8(byte);
    const auto cp = ToUnicode(byte);
    ASSERT_EQ(expected.has_value(), cp.has_value()) << "byte " << b;
    if (!cp)
      continue;
    EXPECT_EQ(ToUtf8(std::string(1, static_cast<char>(byte))), *expected) << "byte " << b;
    EXPECT_EQ(FromUnicode(*cp), byte) << "byte " << b;
    EXPECT_EQ(FromUtf8(*expected), std::string(1, static_cast<char>(byte))) << "byte " << b;
  }
}

TEST(Cp1252, RefusesWhatItCannotHold) {
  EXPECT_FALSE(FromUtf8("\xE2\x82\xAC\xE2\x98\x83"));  // € then a snowman
  EXPECT_FALSE(FromUtf8("\xC3"));                      // cut short
  EXPECT_FALSE(FromUtf8("\xC0\xAF"));                  // overlong
  EXPECT_FALSE(FromUtf8("\xED\xA0\x80"));              // surrogate
  EXPECT_EQ(FromUtf8("Ø12 = 40°"), std::string("\xD8"
                                               "12 = 40\xB0"));
  EXPECT_EQ(ToUtf8("\x81"), "\xEF\xBF\xBD");  // unassigned byte
}

TEST(Cp1252, LiteralsAreTranscodedAtCompileTime) {
  constexpr std::string_view text = "Número de fajas"_cp1252;
  static_assert(text.size() == 15);
  EXPECT_EQ(text, "N\xFAmero de fajas");
  EXPECT_EQ("Observación: €"_cp1252, "Observaci\xF3n: \x80");
}

}  // namespace
}  // namespace fotovuelo::cp1252
