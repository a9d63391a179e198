// --output and --format from the outside: a file is written whole or not at
// all, errors are clear and have their exit status, and every format says
// which ellipsoid its coordinates are on.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/output_file.h"
#include "export_harness.h"

namespace fotovuelo::exports_test {
namespace {

const char* const kFormats[] = {"report", "geojson", "kml", "gpx", "csv", "svg"};

std::vector<std::string> With(std::vector<std::string> args,
                              std::initializer_list<std::string> more) {
  args.insert(args.end(), more);
  return args;
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ExportOutput, AFileHoldsExactlyWhatStandardOutputWould) {
  const std::string dir = FreshDirectory();
  for (const char* format : kFormats) {
    for (const bool raw : {false, true}) {
      if (raw && std::string(format) != "report")
        continue;
      SCOPED_TRACE(std::string(format) + (raw ? " --raw" : ""));
      std::vector<std::string> args = {"--example", "--format", format};
      if (raw)
        args.push_back("--raw");
      const Outcome printed = Calc(args);
      ASSERT_EQ(printed.status, 0) << printed.err;
      ASSERT_FALSE(printed.out.empty());

      // An older, longer file of the same name is replaced, not overwritten in place.
      const std::string file = dir + "/out." + format + (raw ? ".raw" : "");
      WriteText(file, std::string(printed.out.size() + 100, 'x'));
      const Outcome written = Calc(With(args, {"--output", file}));
      ASSERT_EQ(written.status, 0) << written.err;
      EXPECT_EQ(written.out, "");
      EXPECT_EQ(ReadFile(file), printed.out);
    }
  }
  // Nothing but the outputs: no temporary file is left behind.
  EXPECT_EQ(DirectoryEntries(dir).size(), 7u);
}

TEST(ExportOutput, ARefusedComputationWritesNoFileAndKeepsAnOlderOne) {
  for (const char* format : kFormats) {
    SCOPED_TRACE(format);
    const std::string dir = FreshDirectory();
    const std::string fresh = dir + "/new." + format;
    const Outcome refused =
        Calc({"--example", "--scale", "0", "--format", format, "--output", fresh});
    EXPECT_EQ(refused.status, 3);
    EXPECT_NE(refused.err.find("--scale"), std::string::npos) << refused.err;
    EXPECT_FALSE(Exists(fresh));

    const std::string older = dir + "/old." + format;
    WriteText(older, "the previous plan\n");
    EXPECT_EQ(Calc({"--example", "--scale", "0", "--format", format, "--output", older}).status, 3);
    EXPECT_EQ(ReadFile(older), "the previous plan\n");
    EXPECT_EQ(DirectoryEntries(dir), std::vector<std::string>{"old." + std::string(format)});
  }
}

// A block the report prints but a map cannot hold: it runs past the North
// Pole (latitudes above 90 degrees), or it has no centres at all.
TEST(ExportOutput, BlocksAMapCannotHoldAreRefusedWithoutAFile) {
  const std::vector<std::vector<std::string>> cases = {
      {"--example", "--lat-deg", "89", "--lat-min", "58", "--az-deg", "180", "--area-length", "20"},
      {"--example", "--area-width", "0"},
  };
  for (const auto& block : cases) {
    ASSERT_EQ(Calc(block).status, 0);
    for (const char* format : kFormats) {
      if (std::string(format) == "report")
        continue;
      SCOPED_TRACE(std::string(format) + " " + block[block.size() - 2]);
      const std::string file = FreshDirectory() + "/block";
      const Outcome run = Calc(With(block, {"--format", format, "--output", file}));
      EXPECT_EQ(run.status, 3);
      EXPECT_NE(run.err.find("cannot export the flight"), std::string::npos) << run.err;
      EXPECT_FALSE(Exists(file));
    }
  }
  const Outcome pole = Calc({"--example", "--lat-deg", "89", "--lat-min", "58", "--az-deg", "180",
                             "--area-length", "20", "--format", "csv"});
  EXPECT_NE(pole.err.find("beyond the pole"), std::string::npos) << pole.err;
}

TEST(ExportOutput, AnUnwritableOutputIsAUsageErrorThatNamesThePath) {
  const std::string dir = FreshDirectory();
  const struct {
    std::string path;
    const char* reason;
  } cases[] = {
      {dir + "/no-such-directory/block.geojson", "No such file or directory"},
      {dir, ""},                          // a directory, not a file
      {dir + "/", "names a directory"},   // the same, spelt as one
      {"/proc/fotovuelo-block.kml", ""},  // no file can be made there, not even by root
  };
  for (const auto& c : cases) {
    for (const char* format : {"geojson", "report"}) {
      SCOPED_TRACE(c.path + " " + format);
      const Outcome run = Calc({"--example", "--format", format, "--output", c.path});
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(run.out, "");
      EXPECT_NE(run.err.find("fotovuelo-calc: --output: cannot "), std::string::npos) << run.err;
      EXPECT_NE(run.err.find(c.path), std::string::npos) << run.err;
      EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir));
  EXPECT_TRUE(DirectoryEntries(dir).empty());
}

TEST(ExportOutput, UsageErrors) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--example", "--format", "shapefile"}, "--format"},
      {{"--example", "--format", "csv", "--raw"}, "--raw applies to --format report only"},
      {{"--example", "--format", "kml", "--output", ""}, "--output: the file name is empty"},
      {{"--example", "--output"}, "--output"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    const Outcome run = Calc(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST(ExportOutput, DashIsStandardOutput) {
  const Outcome dash = Calc({"--example", "--format", "gpx", "--output", "-"});
  ASSERT_EQ(dash.status, 0);
  EXPECT_EQ(dash.out, Calc({"--example", "--format", "gpx"}).out);
}

// GeoJSON, KML and GPX readers take every coordinate as WGS 84: on Hayford
// they are tens of metres off, so those formats warn; every format, CSV and
// the picture included, names the ellipsoid inside the file.
TEST(ExportOutput, EveryFormatNamesItsEllipsoidAndMapFormatsWarnOnHayford) {
  const struct {
    const char* format;
    bool warns;
  } cases[] = {{"geojson", true}, {"kml", true}, {"gpx", true}, {"csv", false}, {"svg", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    const Outcome hayford = Calc({"--example", "--ellipsoid", "hayford", "--format", c.format});
    ASSERT_EQ(hayford.status, 0) << hayford.err;
    EXPECT_NE(hayford.out.find("Hayford"), std::string::npos);
    if (c.warns) {
      EXPECT_NE(hayford.err.find("warning: the coordinates are on the Hayford ellipsoid"),
                std::string::npos)
          << hayford.err;
      EXPECT_EQ(std::count(hayford.err.begin(), hayford.err.end(), '\n'), 1);
    } else {
      EXPECT_EQ(hayford.err, "");
    }

    const Outcome wgs84 = Calc({"--example", "--format", c.format});
    ASSERT_EQ(wgs84.status, 0);
    EXPECT_NE(wgs84.out.find("WGS 84"), std::string::npos);
    EXPECT_EQ(wgs84.out.find("Hayford"), std::string::npos);
    EXPECT_EQ(wgs84.err, "");
  }
}

// The writer on its own: the file gets the permissions any new file would
// (the temporary file it starts as is private to its owner), and a failure
// leaves nothing.
TEST(WriteFileAtomically, ReplacesWholeAndLeavesNothingOnFailure) {
  const std::string dir = FreshDirectory();
  const std::string path = dir + "/plan.csv";
  const mode_t mask = ::umask(022);
  ASSERT_EQ(cli::WriteFileAtomically(path, "first\n"), std::nullopt);
  ASSERT_EQ(cli::WriteFileAtomically(path, "2\n"), std::nullopt);
  ::umask(mask);
  EXPECT_EQ(ReadFile(path), "2\n");
  namespace fs = std::filesystem;
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                fs::perms::group_read | fs::perms::others_read);

  const auto error = cli::WriteFileAtomically(dir + "/missing/plan.csv", "x");
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("missing/plan.csv"), std::string::npos);
  EXPECT_EQ(cli::WriteFileAtomically("", "x").value_or(""),
            "cannot write a file with an empty name");
  EXPECT_EQ(DirectoryEntries(dir), std::vector<std::string>{"plan.csv"});
}

}  // namespace
}  // namespace fotovuelo::exports_test
