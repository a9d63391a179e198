// Writes the program's icon (icon 1) as an XPM file, for the desktop entry.
// The picture lives once, in the resources; this tool only copies it out at
// build time, so that the icon on the desktop is always the one the program
// shows.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>

#include "resources/module.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fotovuelo-write-icon FILE.xpm\n";
    return 2;
  }
  const auto& xpm = fotovuelo::res::ProgramIcon().xpm;
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << "/* XPM */\nstatic const char *fotovuelo[] = {\n";
  for (std::size_t k = 0; k < xpm.size(); ++k) {
    out << '"';
    // XPM lines are C string literals: quotes and backslashes need escaping.
    for (const char c : std::string_view(xpm[k])) {
      if (c == '"' || c == '\\')
        out << '\\';
      out << c;
    }
    out << '"' << (k + 1 < xpm.size() ? ",\n" : "\n");
  }
  out << "};\n";
  out.close();
  if (!out) {
    std::cerr << "fotovuelo-write-icon: cannot write " << argv[1] << "\n";
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
