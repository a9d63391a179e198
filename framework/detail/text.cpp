#include "framework/detail/text.h"

#include "compute/cp1252.h"

namespace framework::detail {

QString ToQt(std::string_view cp1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(cp1252.size()));
  for (const char c : cp1252) {
    const char32_t cp =
        fotovuelo::cp1252::ToUnicode(static_cast<unsigned char>(c)).value_or(0xFFFD);
    out.append(QChar(static_cast<char16_t>(cp)));
  }
  return out;
}

std::string FromQt(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar ch : text) {
    const auto byte = fotovuelo::cp1252::FromUnicode(ch.unicode());
    out.push_back(byte ? static_cast<char>(*byte) : '?');
  }
  return out;
}

bool Representable(const QString& text) {
  for (const QChar ch : text) {
    if (!fotovuelo::cp1252::FromUnicode(ch.unicode()))
      return false;
  }
  return true;
}

bool Representable(QChar ch) {
  return fotovuelo::cp1252::FromUnicode(ch.unicode()).has_value();
}

QString ToQtLines(std::string_view cp1252) {
  std::string unified;
  unified.reserve(cp1252.size());
  for (std::size_t i = 0; i < cp1252.size(); ++i) {
    if (cp1252[i] == '\r') {
      unified.push_back('\n');
      if (i + 1 < cp1252.size() && cp1252[i + 1] == '\n')
        ++i;
    } else {
      unified.push_back(cp1252[i]);
    }
  }
  return ToQt(unified);
}

std::string FromQtLines(const QString& text) {
  std::string out;
  for (const char c : FromQt(text)) {
    if (c == '\n') {
      out += "\r\n";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

QString StripMnemonic(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size())
      ++i;
    out.append(text[i]);
  }
  return out;
}

}  // namespace framework::detail
