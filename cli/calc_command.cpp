#include "cli/calc_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/calc_keys.h"
#include "cli/export_format.h"
#include "cli/output_file.h"
#include "compute/calculo.h"
#include "compute/cp1252.h"

namespace fotovuelo::cli {

namespace {

// A form file has 27 short lines; a longer one is not a form file (or is
// /dev/zero), and reading it whole could take all the memory there is.
constexpr std::size_t kMaxFormLine = 4096;

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos)
    return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

enum class LineRead { kLine, kEnd, kTooLong, kError };

// One line without its LF, of at most kMaxFormLine bytes.
LineRead ReadLine(std::FILE* file, std::string& line) {
  line.clear();
  for (;;) {
    const int c = std::getc(file);
    if (c == EOF) {
      if (std::ferror(file))
        return LineRead::kError;
      return line.empty() ? LineRead::kEnd : LineRead::kLine;
    }
    if (c == '\n')
      return LineRead::kLine;
    if (line.size() == kMaxFormLine)
      return LineRead::kTooLong;
    line.push_back(static_cast<char>(c));
  }
}

// Reads `key = value` lines; '#' starts a comment line. A value may be put in
// double quotes to keep blanks (lat-hemisphere = " ").
std::optional<std::string> ReadFormFile(const std::string& path,
                                        std::vector<std::pair<const CalcKey*, std::string>>& out) {
  const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "rb"));
  if (!file)
    return "--form: cannot read '" + path + "': " + std::strerror(errno);
  std::map<std::string_view, int> seen;
  std::string line;
  int number = 0;
  for (;;) {
    const LineRead read = ReadLine(file.get(), line);
    if (read == LineRead::kEnd)
      break;
    // A directory opens, and fails at its first read.
    if (read == LineRead::kError)
      return "--form: cannot read '" + path + "': " + std::strerror(errno);
    ++number;
    const std::string where = path + ":" + std::to_string(number) + ": ";
    if (read == LineRead::kTooLong) {
      return where + "the line is longer than " + std::to_string(kMaxFormLine) +
             " characters; this is not a form file";
    }
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#')
      continue;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
      return where + "expected 'key = value'";
    const std::string_view name = Trim(text.substr(0, equals));
    std::string_view value = Trim(text.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    const CalcKey* key = FindKey(name);
    if (key == nullptr)
      return where + "unknown key '" + std::string(name) + "'";
    if (const auto it = seen.find(key->name); it != seen.end()) {
      return where + "key '" + std::string(name) + "' was already given on line " +
             std::to_string(it->second);
    }
    seen.emplace(key->name, number);
    out.emplace_back(key, std::string(value));
  }
  return std::nullopt;
}

// A message as one line of valid UTF-8: control bytes, including line ends,
// and bytes that are not UTF-8 are written as \xNN.
std::string Printable(std::string_view message) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(message.size());
  for (std::size_t i = 0; i < message.size();) {
    std::size_t next = i;
    const auto cp = cp1252::detail::DecodeUtf8(message, next);
    if (cp && *cp >= 0x20 && !(*cp >= 0x7F && *cp < 0xA0)) {
      out.append(message.substr(i, next - i));
      i = next;
    } else {
      const auto byte = static_cast<unsigned char>(message[i++]);
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

std::string Refused(const Refusal& refusal) {
  return "cannot compute the flight: --" + std::string(KeyOf(refusal.field)) + ": " +
         refusal.EnglishMessage();
}

// Says one line on the error stream and gives the status to exit with.
int Say(std::ostream& err, std::string_view message, int status) {
  err << "fotovuelo-calc: " << Printable(message) << "\n";
  return status;
}

// The report as a UTF-8 text with LF line ends.
std::string ReadableReport(std::string_view bytes) {
  std::string text = cp1252::ToUtf8(bytes);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      continue;
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{
      "Computes a photogrammetric flight and prints its Spanish report, as the data form's "
      "\"Calcular\" does.",
      "fotovuelo-calc"};
  app.get_formatter()->column_width(34);
  std::string form_path;
  bool raw = false;
  bool example = false;
  app.add_option("--form", form_path, "Read 'key = value' lines (# comments); options override it")
      ->option_text("FILE");
  app.add_flag("--raw", raw, "Write the report's exact bytes: Windows-1252 with CR LF");
  std::string format_name = "report";
  std::string output_path;
  app.add_option("--format", format_name,
                 "report (default), geojson, kml, gpx, csv or svg: see the README")
      ->option_text("FORMAT")
      ->check(CLI::IsMember({"report", "geojson", "kml", "gpx", "csv", "svg"}));
  CLI::Option* output_option =
      app.add_option("--output", output_path,
                     "Write to FILE (whole or not at all) instead of standard output")
          ->option_text("FILE");
  app.add_flag("--example", example,
               "Start from the worked flight (scale 15000, focal 152.4, ..., 40 0 0 N, 3 0 0 W)");

  std::map<const CalcKey*, std::string> given;
  std::map<const CalcKey*, CLI::Option*> options;
  for (const CalcKey* key = KeysBegin(); key != KeysEnd(); ++key) {
    std::string help;
    if (key->field) {
      const FormFieldInfo& info = FieldInfo(*key->field);
      help = "Field \"" + cp1252::ToUtf8(info.label) + "\": at most " +
             std::to_string(info.width - 1) + " of \"" + std::string(info.filter) + "\"";
    } else if (key->name == "ellipsoid") {
      help = "wgs84, hayford or none (only wgs84 checks \"WGS 84\")";
    } else {
      help = "analog, digital or none (only analog checks \"Anal\u00f3gico\")";
    }
    options[key] = app.add_option("--" + std::string(key->name), given[key], help)
                       ->option_text("VALUE")
                       ->expected(1);
  }

  // "--lat-sec=" means an empty field, as "--lat-sec ''" does; the parser
  // would take it for a missing value.
  std::vector<std::string> reversed;
  for (auto it = args.rbegin(); it != args.rend(); ++it) {
    if (it->size() > 3 && it->starts_with("--") && it->back() == '=' &&
        it->find('=') == it->size() - 1) {
      reversed.emplace_back();
      reversed.push_back(it->substr(0, it->size() - 1));
    } else {
      reversed.push_back(*it);
    }
  }
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    return Say(err, e.what(), kExitUsage);
  }

  FormTexts form = example ? FormTexts::WorkedFlight() : FormTexts{};
  std::vector<std::pair<const CalcKey*, std::string>> settings;
  if (!form_path.empty()) {
    if (auto error = ReadFormFile(form_path, settings))
      return Say(err, *error, kExitUsage);
  }
  for (const auto& [key, option] : options) {
    if (option->count() > 0)
      settings.emplace_back(key, given[key]);
  }
  for (const auto& [key, value] : settings) {
    if (auto error = ApplyKey(*key, value, form))
      return Say(err, *error, kExitUsage);
  }

  const std::optional<exports::Format> format = exports::FormatNamed(format_name);
  if (format && raw)
    return Say(err, "--raw applies to --format report only", kExitUsage);

  std::string text;
  bool hayford_warning = false;
  if (!format) {
    static char report[kReportBufferSize];
    if (const auto refusal = Calculo(form, report, sizeof report))
      return Say(err, Refused(*refusal), kExitRefused);
    const std::string_view bytes(report, std::strlen(report));
    text = raw ? std::string(bytes) : ReadableReport(bytes);
  } else {
    // About 40 kB of tables: too much for the stack of a small thread.
    const auto flight = std::make_unique<FlightResult>();
    if (const auto refusal = ComputeFlight(form, *flight))
      return Say(err, Refused(*refusal), kExitRefused);
    auto exported = exports::MakeFlightExport(*flight);
    if (const auto* error = std::get_if<std::string>(&exported))
      return Say(err, "cannot export the flight: " + *error, kExitRefused);
    const auto& block = std::get<exports::FlightExport>(exported);
    text = exports::Render(*format, block);
    hayford_warning = !block.Wgs84() && exports::ReadersAssumeWgs84(*format);
  }

  if (output_option->count() > 0 && output_path.empty())
    return Say(err, "--output: the file name is empty (use - for standard output)", kExitUsage);
  if (output_path.empty() || output_path == "-") {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out)
      return Say(err, format ? "cannot write the output" : "cannot write the report", kExitUsage);
  } else if (const auto error = WriteFileAtomically(output_path, text)) {
    return Say(err, "--output: " + *error, kExitUsage);
  }
  if (hayford_warning) {
    Say(err,
        "warning: the coordinates are on the Hayford ellipsoid, not WGS 84, which " +
            std::string(exports::FormatTitle(*format)) + " readers assume",
        kExitOk);
  }
  return kExitOk;
}

}  // namespace fotovuelo::cli
