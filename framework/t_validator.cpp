#include "framework/t_validator.h"

#include <string>

#include "compute/cp1252.h"
#include "framework/message_box.h"

namespace framework {

using fotovuelo::cp1252::operator""_cp1252;

bool TValidator::IsValidInput(std::string_view) const {
  return true;
}

bool TValidator::IsValid(std::string_view) const {
  return true;
}

void TValidator::Error(TWindow*, std::string_view) const {}

bool TValidator::Valid(std::string_view text, TWindow* owner) const {
  if (IsValid(text))
    return true;
  Error(owner, text);
  return false;
}

TCharSet::TCharSet(std::string_view description) {
  const std::size_t n = description.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto first = static_cast<unsigned char>(description[i]);
    if (i + 2 < n && description[i + 1] == '-') {
      const auto last = static_cast<unsigned char>(description[i + 2]);
      // A reversed range ("9-0") admits nothing rather than everything.
      for (unsigned c = first; c <= last; ++c)
        members_.set(c);
      i += 2;
    } else {
      members_.set(first);
    }
  }
}

TFilterValidator::TFilterValidator(std::string_view charSet)
    : description_(charSet), set_(charSet) {}

std::optional<std::size_t> TFilterValidator::FirstInvalid(std::string_view text) const {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!set_.Has(text[i]))
      return i;
  }
  return std::nullopt;
}

bool TFilterValidator::IsValidInput(std::string_view text) const {
  return !FirstInvalid(text);
}

bool TFilterValidator::IsValid(std::string_view text) const {
  return !FirstInvalid(text);
}

void TFilterValidator::Error(TWindow* owner, std::string_view text) const {
  std::string message;
  if (const auto bad = FirstInvalid(text)) {
    message += "El carácter «"_cp1252;
    message += text[*bad];
    message += "» no se admite en este campo.\r\n"_cp1252;
  }
  message += "Caracteres admitidos: "_cp1252;
  message += description_;
  MessageBox(owner, message, "Dato no válido"_cp1252, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace framework
