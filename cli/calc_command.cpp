#include "cli/calc_command.h"

#include <CLI/CLI.hpp>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/calc_keys.h"
#include "compute/calculo.h"
#include "compute/cp1252.h"

namespace fotovuelo::cli {

namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos)
    return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

// Reads `key = value` lines; '#' starts a comment line. A value may be put in
// double quotes to keep blanks (lat-hemisphere = " ").
std::optional<std::string> ReadFormFile(const std::string& path,
                                        std::vector<std::pair<const CalcKey*, std::string>>& out) {
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return "--form: cannot read '" + path + "': " + std::strerror(errno);
  std::map<std::string_view, int> seen;
  std::string line;
  int number = 0;
  while (std::getline(file, line)) {
    ++number;
    const std::string where = path + ":" + std::to_string(number) + ": ";
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
  if (file.bad())
    return "--form: error reading '" + path + "'";
  return std::nullopt;
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

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    err << "fotovuelo-calc: " << e.what() << "\n";
    return kExitUsage;
  }

  FormTexts form = example ? FormTexts::WorkedFlight() : FormTexts{};
  std::vector<std::pair<const CalcKey*, std::string>> settings;
  if (!form_path.empty()) {
    if (auto error = ReadFormFile(form_path, settings)) {
      err << "fotovuelo-calc: " << *error << "\n";
      return kExitUsage;
    }
  }
  for (const auto& [key, option] : options) {
    if (option->count() > 0)
      settings.emplace_back(key, given[key]);
  }
  for (const auto& [key, value] : settings) {
    if (auto error = ApplyKey(*key, value, form)) {
      err << "fotovuelo-calc: " << *error << "\n";
      return kExitUsage;
    }
  }

  static char report[kReportBufferSize];
  if (const auto refusal = Calculo(form, report, sizeof report)) {
    err << "fotovuelo-calc: cannot compute the flight: --" << KeyOf(refusal->field) << ": "
        << refusal->EnglishMessage() << "\n";
    return kExitRefused;
  }
  const std::string_view bytes(report, std::strlen(report));
  if (raw) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  } else {
    out << ReadableReport(bytes);
  }
  out.flush();
  if (!out) {
    err << "fotovuelo-calc: cannot write the report\n";
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace fotovuelo::cli
