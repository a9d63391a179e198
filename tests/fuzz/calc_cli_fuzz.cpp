// libFuzzer target for fotovuelo-calc's arguments and form files: whatever
// they hold, the command ends with status 0, 2 (a usage error, said on one
// clean line) or 3 (a refused computation), never a crash.
//
// Input: the lines before the first empty line are the arguments, one per
// line, each cut at a NUL as a command line would; everything after it is the
// form file. Among the arguments "@form" stands for that file's path,
// "@missing" for a path that does not exist and "@dir" for a directory.
// --output always writes inside a private directory.
//
//   bash scripts/fuzz.sh calc_cli [seconds]
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calc_command.h"
#include "compute/cp1252.h"

namespace {

std::string directory;

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "calc_cli_fuzz: %s\n%s\n", what, detail.c_str());
  std::abort();
}

// Line feeds and well-formed UTF-8 without other control characters.
bool IsCleanText(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto cp = fotovuelo::cp1252::detail::DecodeUtf8(s, i);
    if (!cp || (*cp != '\n' && (*cp < 0x20 || (*cp >= 0x7F && *cp < 0xA0))))
      return false;
  }
  return true;
}

std::string Substitute(const std::string& arg) {
  if (arg == "@form")
    return directory + "/input.form";
  if (arg == "@missing")
    return directory + "/no-such-file.form";
  if (arg == "@dir")
    return directory;
  return arg;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // "--form /dev/stdin" must find an end, not wait for a terminal or a pipe.
  if (std::freopen("/dev/null", "r", stdin) == nullptr) {
    std::perror("/dev/null");
    std::abort();
  }
  char name[] = "/tmp/calc_cli_fuzz.XXXXXX";
  if (mkdtemp(name) == nullptr) {
    std::perror("mkdtemp");
    std::abort();
  }
  directory = name;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t blank = input.find("\n\n");
  const std::string_view head = input.substr(0, blank);
  const std::string_view form =
      blank == std::string_view::npos ? std::string_view{} : input.substr(blank + 2);

  std::vector<std::string> args;
  bool output_follows = false;
  for (std::size_t start = 0; start <= head.size() && !head.empty();) {
    std::size_t end = head.find('\n', start);
    if (end == std::string_view::npos)
      end = head.size();
    std::string arg(head.substr(start, end - start));
    arg = arg.substr(0, arg.find('\0'));
    if (output_follows)
      arg = directory + "/out";
    else if (arg.starts_with("--output="))
      arg = "--output=" + directory + "/out";
    output_follows = arg == "--output";
    args.push_back(Substitute(arg));
    start = end + 1;
  }
  {
    std::ofstream file(directory + "/input.form", std::ios::binary | std::ios::trunc);
    file.write(form.data(), static_cast<std::streamsize>(form.size()));
  }

  std::ostringstream out;
  std::ostringstream err;
  const int status = fotovuelo::cli::RunCalc(args, out, err);
  const std::string said = err.str();
  if (!IsCleanText(said))
    Fail("a message holds control bytes or malformed UTF-8", said);
  switch (status) {
    case fotovuelo::cli::kExitOk:
      if (!said.empty() && said.find("warning") == std::string::npos)
        Fail("a run that succeeded wrote something other than a warning", said);
      break;
    case fotovuelo::cli::kExitUsage:
    case fotovuelo::cli::kExitRefused:
      if (!said.starts_with("fotovuelo-calc: ") || !said.ends_with("\n") ||
          said.find('\n') != said.size() - 1) {
        Fail("a failure was not said on one line", said);
      }
      if (!out.str().empty())
        Fail("a failed run wrote to standard output", out.str());
      break;
    default:
      Fail("unexpected exit status", std::to_string(status));
  }
  return 0;
}
