// The keys of fotovuelo-calc: one per field of the data form, with the
// field's own character filter and length limit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "compute/flight_form.h"

namespace fotovuelo::cli {

// A key that names one of the 25 text fields, or one of the two choices.
struct CalcKey {
  std::string_view name;           // "scale", "focal", ...
  std::optional<FormField> field;  // the text field it fills, if any
};

const CalcKey* FindKey(std::string_view name);
std::string_view KeyOf(FormField field);

// Every key, in the order of the form.
const CalcKey* KeysBegin();
const CalcKey* KeysEnd();

// Checks `value` for `key` as the form would take it, and stores it in
// `form`. Returns an English error naming the key, the offending character
// or the limit; nothing when the value is accepted.
std::optional<std::string> ApplyKey(const CalcKey& key, std::string_view value, FormTexts& form);

}  // namespace fotovuelo::cli
