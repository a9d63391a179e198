// Validators check what a user types into an edit control: IsValidInput as
// each keystroke would change the text (a refused keystroke leaves the text as
// it was), IsValid over a whole text when the field is left or its dialog
// closes. Texts are Windows-1252.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "compute/char_set.h"

namespace framework {

class TWindow;

class TValidator {
 public:
  virtual ~TValidator() = default;
  virtual bool IsValidInput(std::string_view text) const;
  virtual bool IsValid(std::string_view text) const;
  // Tells the user why text is not valid, in a message box owned by owner.
  virtual void Error(TWindow* owner, std::string_view text) const;
  // IsValid, and Error when it is not.
  bool Valid(std::string_view text, TWindow* owner) const;
};

// A set of characters in the filter syntax ("0-9.", "S N"); see CharSet.
using TCharSet = fotovuelo::CharSet;

// Admits only texts made of the characters of a set.
class TFilterValidator : public TValidator {
 public:
  explicit TFilterValidator(std::string_view charSet);
  bool IsValidInput(std::string_view text) const override;
  bool IsValid(std::string_view text) const override;
  void Error(TWindow* owner, std::string_view text) const override;

  // Position of the first character outside the set, if any.
  std::optional<std::size_t> FirstInvalid(std::string_view text) const;
  const std::string& GetDescription() const { return description_; }

 private:
  std::string description_;
  TCharSet set_;
};

}  // namespace framework
