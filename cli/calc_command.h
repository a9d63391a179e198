// fotovuelo-calc: the computation of "&Calcular" without a window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace fotovuelo::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;    // a bad option, value or form file
inline constexpr int kExitRefused = 3;  // the computation refused the input

// Runs the command with its arguments (without the program name); the report
// goes to `out`, messages to `err`. Returns the exit status.
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace fotovuelo::cli
