#include "cli/calc_command.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace fotovuelo::cli {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Calc(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunCalc(args, out, err);
  return {status, out.str(), err.str()};
}

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Golden(const char* name) {
  return ReadBytes(std::string(FOTOVUELO_TEST_DATA) + "/" + name);
}

// A form file in the test's temporary folder.
std::string WriteForm(const std::string& name, const std::string& text) {
  const auto path = std::filesystem::path(::testing::TempDir()) / name;
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

const std::vector<std::string> kSouthernWestern = {
    "--lat-deg", "33",     "--lat-min", "30", "--lat-sec", "12.75", "--lat-hemisphere", "S",
    "--lon-deg", "70",     "--lon-min", "15", "--lon-sec", "7.125", "--lon-side",       "W",
    "--az-deg",  "135",    "--az-min",  "0",  "--az-sec",  "30",    "--ellipsoid",      "hayford",
    "--camera",  "digital"};

TEST(FotovueloCalc, RawReportIsTheReportBuffer) {
  Outcome r = Calc({"--example", "--raw"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, Golden("worked_flight_wgs84_analog.txt"));

  std::vector<std::string> args = {"--example", "--raw"};
  args.insert(args.end(), kSouthernWestern.begin(), kSouthernWestern.end());
  r = Calc(args);
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out, Golden("southern_western_hayford_digital.txt"));
}

TEST(FotovueloCalc, ReadableReportIsUtf8WithLineFeeds) {
  const Outcome r = Calc({"--example"});
  ASSERT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out.find('\r'), std::string::npos);
  EXPECT_NE(r.out.find("\nBase fotogramétrica m = 1380\n\n"), std::string::npos);
  EXPECT_NE(r.out.find("\nØ83 = 39° 54' 46.773\"N      Long83 = 3° 3' 23.621\"W\n"),
            std::string::npos);
}

TEST(FotovueloCalc, FormFileWithCommentsQuotesAndOverrides) {
  std::string text = "# the southern-western block\n\n";
  for (std::size_t k = 0; k < kSouthernWestern.size(); k += 2) {
    text += kSouthernWestern[k].substr(2) + " = " + kSouthernWestern[k + 1] + "\r\n";
  }
  const std::string form = WriteForm("southern_western.form", text);
  Outcome r = Calc({"--example", "--raw", "--form", form});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out, Golden("southern_western_hayford_digital.txt"));

  // Options override the file; a quoted blank is a blank hemisphere letter.
  const std::string blank = WriteForm("blank.form", "lat-hemisphere = \" \"\nscale = 1\n");
  r = Calc({"--example", "--form", blank, "--scale", "15000"});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_NE(r.out.find("Latitud = 40° 0' 0\"  \n"), std::string::npos);
  EXPECT_NE(r.out.find("Ø11 = 40° 0' 0.000\"       Long11"), std::string::npos);
}

TEST(FotovueloCalc, EmptyValuesAreAccepted) {
  const Outcome r = Calc({"--example", "--lon-side", "", "--lat-sec="});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_NE(r.out.find("Longitud = 3° 0' 0\" \n"), std::string::npos);
}

TEST(FotovueloCalc, ValuesTheFormWouldRefuseAreUsageErrors) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> said;
  } cases[] = {
      {{"--scale", "15a00"}, {"--scale", "'a'", "0-9"}},
      {{"--scale", "1234567"}, {"--scale", "at most 6"}},
      {{"--forward-overlap", "100"}, {"--forward-overlap", "at most 2"}},
      {{"--focal", "-152"}, {"--focal", "'-'"}},
      {{"--shutter", "0,002"}, {"--shutter", "','"}},
      {{"--lat-hemisphere", "s"}, {"--lat-hemisphere", "'s'", "S N"}},
      {{"--lon-side", "EW"}, {"--lon-side", "at most 1"}},
      {{"--area-length", "1\xC3\xA9"}, {"--area-length", "non-ASCII"}},
      {{"--ellipsoid", "grs80"}, {"--ellipsoid", "wgs84, hayford, none"}},
      {{"--camera", "Analog"}, {"--camera", "analog, digital, none"}},
      {{"--altitude", "3"}, {"altitude"}},
      {{"--scale"}, {"--scale"}},
      {{"--form", "/nonexistent/form.txt"}, {"--form", "cannot read"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"--example"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Outcome r = Calc(args);
    EXPECT_EQ(r.status, kExitUsage) << c.args[0];
    EXPECT_EQ(r.out, "") << c.args[0];
    for (const std::string& word : c.said) {
      EXPECT_NE(r.err.find(word), std::string::npos) << r.err;
    }
  }
}

TEST(FotovueloCalc, BadFormFilesNameTheLine) {
  const struct {
    const char* text;
    const char* said;
  } cases[] = {
      {"scale = 15000\nfocal 152.4\n", ":2: expected 'key = value'"},
      {"# ok\nbearing = 3\n", ":2: unknown key 'bearing'"},
      {"scale = 1\nscale = 2\n", ":2: key 'scale' was already given on line 1"},
      {"scale = 15x\n", "--scale: 'x'"},
  };
  for (const auto& c : cases) {
    const Outcome r = Calc({"--example", "--form", WriteForm("bad.form", c.text)});
    EXPECT_EQ(r.status, kExitUsage) << c.text;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
  }
}

// Whatever a form file or an argument holds, the answer is one line of
// clean text and status 2: bytes that are not text are shown as \xNN, and a
// "file" that never ends a line is not read whole.
TEST(FotovueloCalc, HostileInputIsOneCleanLineAndStatusTwo) {
  const std::string dir = ::testing::TempDir();
  const std::string nul_key = WriteForm("nul_key.form", std::string("sc\0ale = 1\n", 11));
  const std::string nul_value = WriteForm("nul_value.form", std::string("scale = 1\0002\n", 12));
  const std::string latin1 = WriteForm("latin1.form", "# ok\n\xE1rea = 5\n");
  const std::string long_line = WriteForm("long.form", "# " + std::string(5000, 'x') + "\n");
  const std::string long_ok = WriteForm("long_ok.form", "# " + std::string(4000, 'x') + "\n");
  const struct {
    std::vector<std::string> args;
    const char* said;
  } cases[] = {
      {{"--form", nul_key}, ":1: unknown key 'sc\\x00ale'"},
      {{"--form", nul_value}, "--scale: byte 0x00 is not accepted"},
      {{"--form", latin1}, ":2: unknown key '\\xE1rea'"},
      {{"--form", long_line}, ":1: the line is longer than 4096 characters"},
      {{"--form", "/dev/zero"}, "/dev/zero:1: the line is longer than 4096 characters"},
      {{"--form", dir}, "Is a directory"},
      {{"--form", dir + "/no-such.form"}, "No such file or directory"},
      {{"--sc\x01"
        "ale",
        "1"},
       "--sc\\x01ale"},
      {{"--scale\xFF", "1"}, "--scale\\xFF"},
      {{"--scale", "15\xC3\xA1"}, "--scale: a non-ASCII character is not accepted"},
      {{"--form"}, "--form"},
  };
  for (const auto& c : cases) {
    const Outcome r = Calc(c.args);
    EXPECT_EQ(r.status, kExitUsage) << c.said;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    for (const char ch : r.err) {
      EXPECT_TRUE(ch == '\n' || (ch >= 0x20 && ch < 0x7F)) << r.err;
    }
  }
  // A long comment line up to the limit is still a form file.
  EXPECT_EQ(Calc({"--example", "--form", long_ok}).status, kExitOk);
}

TEST(FotovueloCalc, RefusedComputationsExitThree) {
  const struct {
    std::vector<std::string> args;
    const char* said;
  } cases[] = {
      {{"--focal", "0"}, "--focal: focal length (f) must be greater than 0"},
      {{"--scale", ""}, "--scale: scale (Mf) must not be 0"},
      {{"--area-width", "99"}, "--area-width: area width (A) needs more than 20 strips"},
      {{"--shutter", "9"}, "--shutter: shutter time (T. Obturación) is too long"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"--example"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Outcome r = Calc(args);
    EXPECT_EQ(r.status, kExitRefused) << c.said;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
  }
  // Without --example every field is empty, as on a new form.
  const Outcome empty = Calc({});
  EXPECT_EQ(empty.status, kExitRefused);
}

TEST(FotovueloCalc, HelpListsEveryKey) {
  const Outcome r = Calc({"--help"});
  EXPECT_EQ(r.status, kExitOk);
  for (const char* key : {"--scale", "--focal", "--lat-hemisphere", "--lon-side", "--ellipsoid",
                          "--camera", "--terrain-mean", "--az-sec", "--form", "--raw"}) {
    EXPECT_NE(r.out.find(key), std::string::npos) << key;
  }
}

// The installed program: exit statuses and streams as a shell sees them.
TEST(FotovueloCalc, ProgramExitStatuses) {
  const std::string program = FOTOVUELO_CALC;
  const auto status = [&](const std::string& args, const std::string& out_file) {
    const std::string command = "'" + program + "' " + args + " > '" + out_file + "' 2>/dev/null";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  const std::string out = (std::filesystem::path(::testing::TempDir()) / "calc.out").string();
  EXPECT_EQ(status("--example --raw", out), 0);
  EXPECT_EQ(ReadBytes(out), Golden("worked_flight_wgs84_analog.txt"));
  EXPECT_EQ(status("--example --scale 15a00", out), 2);
  EXPECT_EQ(ReadBytes(out), "");
  EXPECT_EQ(status("--example --focal 0", out), 3);
  EXPECT_EQ(ReadBytes(out), "");
}

}  // namespace
}  // namespace fotovuelo::cli
