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
