// Writing a whole output file or nothing: the bytes go to a temporary file in
// the target's directory, which is renamed over the target only once every
// byte is on disk. A reader never sees half a file, and a failed run leaves
// an older file of the same name as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fotovuelo::cli {

// Replaces (or creates) `path` with `bytes`. Returns an English message
// naming the path and the system's reason when it cannot; then no file,
// temporary or not, is left behind.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace fotovuelo::cli
