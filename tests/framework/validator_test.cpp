// Character sets and filter validators, without windows.
#include <gtest/gtest.h>

#include <string>

#include "compute/cp1252.h"
#include "framework/t_validator.h"

namespace {

using fotovuelo::cp1252::operator""_cp1252;

struct FilterCase {
  std::string set;
  std::string text;
  bool valid;
};

class FilterSyntax : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterSyntax, AdmitsExactlyTheSet) {
  const FilterCase& c = GetParam();
  const framework::TFilterValidator validator(c.set);
  EXPECT_EQ(validator.IsValid(c.text), c.valid)
      << "set \"" << c.set << "\" text \"" << c.text << "\"";
  EXPECT_EQ(validator.IsValidInput(c.text), c.valid);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, FilterSyntax,
    testing::Values(
        // The data form's sets.
        FilterCase{"0-9.", "12.5", true}, FilterCase{"0-9.", "-", false},
        FilterCase{"0-9.", "a", false}, FilterCase{"0-9.", ",", false},
        FilterCase{"0-9.", "0123456789", true}, FilterCase{"0-9", ".", false},
        FilterCase{"0-9", "", true}, FilterCase{"S N", "S", true}, FilterCase{"S N", " ", true},
        FilterCase{"S N", "N", true}, FilterCase{"S N", "s", false}, FilterCase{"S N", "SN", true},
        FilterCase{"S N", "-", false}, FilterCase{"E W", "W", true}, FilterCase{"E W", "e", false},
        FilterCase{"E W", "N", false},
        // Hyphens: between two characters a range, at either end itself.
        FilterCase{"-a", "-", true}, FilterCase{"a-", "-", true}, FilterCase{"a-c", "-", false},
        FilterCase{"a-c", "b", true}, FilterCase{"a-c", "d", false},
        // A reversed range admits nothing.
        FilterCase{"9-0", "5", false},
        // Windows-1252 letters beyond ASCII.
        FilterCase{std::string("a-zñ"_cp1252), std::string("año"_cp1252), true},
        FilterCase{"a-z", std::string("año"_cp1252), false}));

TEST(FilterValidator, FindsTheFirstCharacterOutsideTheSet) {
  const framework::TFilterValidator validator("0-9.");
  EXPECT_EQ(validator.FirstInvalid("12-5,"), std::optional<std::size_t>(2));
  EXPECT_EQ(validator.FirstInvalid("12.5"), std::nullopt);
}

}  // namespace
