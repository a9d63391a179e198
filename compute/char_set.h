// A set of characters written as in "0-9.", "S N" or "a-zA-Z_": each character
// stands for itself, and a hyphen between two characters for every character
// from the first to the second. A hyphen at either end stands for itself. The
// data form's field filters are written this way, and the command line checks
// its values against the same sets.
#pragma once

#include <bitset>
#include <cstddef>
#include <string_view>

namespace fotovuelo {

class CharSet {
 public:
  CharSet() = default;
  explicit CharSet(std::string_view description) {
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
  bool Has(unsigned char c) const { return members_.test(c); }
  bool Has(char c) const { return Has(static_cast<unsigned char>(c)); }

 private:
  std::bitset<256> members_;
};

}  // namespace fotovuelo
