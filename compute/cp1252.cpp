#include "compute/cp1252.h"

namespace fotovuelo::cp1252 {

std::optional<std::string> FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto cp = detail::DecodeUtf8(utf8, i);
    if (!cp)
      return std::nullopt;
    const auto byte = FromUnicode(*cp);
    if (!byte)
      return std::nullopt;
    out.push_back(static_cast<char>(*byte));
  }
  return out;
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) {
    const char32_t cp = ToUnicode(static_cast<unsigned char>(c)).value_or(U'\uFFFD');
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace fotovuelo::cp1252
