// Windows-1252, the single-byte character set of every text the program keeps:
// the flight data record, the report buffer and the report's fixed pieces.
// Bytes 0x00-0x7F and 0xA0-0xFF are the Unicode code points of the same value;
// only 0x80-0x9F need a table, and five of those bytes are unassigned.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fotovuelo::cp1252 {

namespace detail {
// Code points of bytes 0x80-0x9F; 0 marks the five unassigned bytes.
inline constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace detail

// The code point a byte stands for, or nothing for the five unassigned bytes.
constexpr std::optional<char32_t> ToUnicode(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0)
    return static_cast<char32_t>(byte);
  const char32_t cp = detail::kHighControls[byte - 0x80];
  if (cp == 0)
    return std::nullopt;
  return cp;
}

// The byte that holds a code point, or nothing when Windows-1252 cannot hold it.
constexpr std::optional<unsigned char> FromUnicode(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
    return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < detail::kHighControls.size(); ++i) {
    if (detail::kHighControls[i] != 0 && detail::kHighControls[i] == cp) {
      return static_cast<unsigned char>(0x80 + i);
    }
  }
  return std::nullopt;
}

namespace detail {
// The code point that starts at utf8[i], moving i past it; nothing for bytes
// that are not UTF-8 (cut short, overlong, a surrogate, beyond U+10FFFF).
constexpr std::optional<char32_t> DecodeUtf8(std::string_view utf8, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(utf8[i]);
  char32_t cp = 0;
  std::size_t extra = 0;
  if (lead < 0x80) {
    cp = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    cp = lead & 0x1F;
    extra = 1;
  } else if ((lead & 0xF0) == 0xE0) {
    cp = lead & 0x0F;
    extra = 2;
  } else if ((lead & 0xF8) == 0xF0) {
    cp = lead & 0x07;
    extra = 3;
  } else {
    return std::nullopt;
  }
  if (i + extra >= utf8.size())
    return std::nullopt;
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto cont = static_cast<unsigned char>(utf8[i + k]);
    if ((cont & 0xC0) != 0x80)
      return std::nullopt;
    cp = (cp << 6) | (cont & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kShortest[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
    return std::nullopt;
  }
  i += extra + 1;
  return cp;
}
}  // namespace detail

// UTF-8 text as Windows-1252 bytes; nothing when the text is not valid UTF-8
// or holds a character that Windows-1252 cannot hold.
std::optional<std::string> FromUtf8(std::string_view utf8);

// Windows-1252 bytes as UTF-8. An unassigned byte becomes U+FFFD.
std::string ToUtf8(std::string_view bytes);

// A string literal of the source (UTF-8) turned into Windows-1252 at compile
// time, so every fixed piece of a report is written once, in plain Spanish:
//   "Número de fajas = "_cp1252
template <std::size_t N>
struct Literal {
  char bytes[N]{};
  std::size_t size = 0;

  consteval Literal(const char (&utf8)[N]) {
    const std::string_view text(utf8, N - 1);
    std::size_t i = 0;
    while (i < text.size()) {
      const auto cp = detail::DecodeUtf8(text, i);
      if (!cp)
        throw "literal is not valid UTF-8";
      const auto byte = FromUnicode(*cp);
      if (!byte)
        throw "literal holds a character that Windows-1252 cannot hold";
      bytes[size++] = static_cast<char>(*byte);
    }
  }
  constexpr std::string_view view() const { return {bytes, size}; }
};

template <Literal L>
constexpr std::string_view operator""_cp1252() {
  return L.view();
}

}  // namespace fotovuelo::cp1252
