#include "cli/xml_text.h"

namespace fotovuelo::exports {

namespace {

std::string Escaped(std::string_view text, bool quotes) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += quotes ? "&quot;" : "\"";
        break;
      case '\'':
        out += quotes ? "&apos;" : "'";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string XmlEscaped(std::string_view text) {
  return Escaped(text, false);
}

std::string XmlAttribute(std::string_view text) {
  return Escaped(text, true);
}

}  // namespace fotovuelo::exports
