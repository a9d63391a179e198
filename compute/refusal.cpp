#include "compute/refusal.h"

#include "compute/cp1252.h"

namespace fotovuelo {

using cp1252::operator""_cp1252;

namespace {
constexpr std::string_view kOpenQuote = "El dato «"_cp1252;
constexpr std::string_view kCloseQuote = "»: "_cp1252;
}  // namespace

std::string Refusal::SpanishMessage() const {
  std::string message(kOpenQuote);
  message += FieldInfo(field).label;
  message += kCloseQuote;
  message += rule_es;
  message += '.';
  return message;
}

std::string Refusal::EnglishMessage() const {
  const FormFieldInfo& info = FieldInfo(field);
  return std::string(info.english) + " (" + cp1252::ToUtf8(info.label) + ") " + rule_en;
}

}  // namespace fotovuelo
