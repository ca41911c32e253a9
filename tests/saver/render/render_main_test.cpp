#include "saver/render/render_main.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "saver/render/png_file.h"

namespace verdant {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Render(std::vector<std::string> args) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  base::StringWriter out, err;
  const int code = RenderMain(views, out, err);
  return {code, out.text, err.text};
}

std::vector<std::string> ReadLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class RenderMainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("verdant-render-" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string File(const std::string& name) { return (folder / name).string(); }

  fs::path folder;
};

TEST_F(RenderMainTest, HelpExplainsTheOptions) {
  const Outcome run = Render({"--width", "x", "--help"});
  EXPECT_EQ(run.code, 0);
  EXPECT_THAT(run.out, StartsWith("Usage: verdant-render --width W --height H --seed S --ticks N"));
  for (const char* option : {"--plant-type", "--color-choice", "--bkgnd-tone", "--delay",
                             "--number", "--png", "--trace"}) {
    EXPECT_THAT(run.out, HasSubstr(option));
  }
  EXPECT_EQ(run.err, "");
}

TEST_F(RenderMainTest, BadOptionsGiveOneLineAndExitCode2) {
  const std::string trace = File("t.txt");
  const std::string missing_folder = File("no/such/folder/out");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--width", "wide"}, "--width is not a number: wide"},
      {{"--height", "7.5"}, "--height is not a number: 7.5"},
      {{"--seed", ""}, "--seed is not a number: "},
      {{"--number", "99999999999"}, "--number is not a number: 99999999999"},
      {{"--delay", "+1"}, "--delay is not a number: +1"},
      {{"--width", "0"}, "--width must be 1 to 16384: 0"},
      {{"--width", "16385"}, "--width must be 1 to 16384: 16385"},
      {{"--height", "-1"}, "--height must be 1 to 16384: -1"},
      {{"--ticks", "-1"}, "--ticks must not be negative: -1"},
      {{"--colour", "1"}, "unknown option: --colour"},
      {{"stray"}, "unknown option: stray"},
      {{"--width", "8", "--png"}, "--png needs a value"},
      {{"--width", "8", "--height", "8", "--seed", "1"}, "missing --ticks"},
  };
  for (const auto& [args, message] : cases) {
    const Outcome run = Render(args);
    EXPECT_EQ(run.code, 2) << message;
    EXPECT_EQ(run.err, "verdant-render: " + message + " (see --help)\n");
    EXPECT_EQ(run.out, "");
  }
  const std::vector<std::string> good = {"--width", "8", "--height", "8",
                                         "--seed",  "1", "--ticks",  "1"};
  auto with = [&good](std::vector<std::string> more) {
    more.insert(more.begin(), good.begin(), good.end());
    return more;
  };
  EXPECT_EQ(Render(with({"--trace", missing_folder})).err,
            "verdant-render: cannot write " + missing_folder + "\n");
  EXPECT_EQ(Render(with({"--trace", missing_folder})).code, 2);
  EXPECT_EQ(Render(with({})).code, 2);  // nothing to write
  if (PngOutputAvailable()) {
    const Outcome run = Render(with({"--trace", trace, "--png", missing_folder}));
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "verdant-render: cannot write " + missing_folder + "\n");
  }
}

TEST_F(RenderMainTest, AFailedRunKeepsEarlierOutputsAndAGoodOneReplacesThem) {
  std::ofstream(File("t.txt"), std::ios::binary) << "earlier trace\n";
  std::ofstream(File("f.png"), std::ios::binary) << "earlier picture\n";
  const std::vector<std::string> args = {"--width", "8", "--height", "8",          "--seed", "1",
                                         "--ticks", "1", "--trace",  File("t.txt")};
  auto with = [&args](std::vector<std::string> more) {
    more.insert(more.begin(), args.begin(), args.end());
    return more;
  };
  const std::string missing_folder = File("no/such/folder/f.png");
  EXPECT_EQ(Render(with({"--png", missing_folder})).code, 2);
  if (PngOutputAvailable()) {
    const Outcome same = Render(with({"--png", folder.string() + "/./t.txt"}));
    EXPECT_EQ(same.code, 2);
    EXPECT_EQ(same.err, "verdant-render: --png and --trace name the same file: " + folder.string() +
                            "/./t.txt\n");
  }
  EXPECT_EQ(ReadLines(File("t.txt")), std::vector<std::string>{"earlier trace"});
  EXPECT_EQ(ReadLines(File("f.png")), std::vector<std::string>{"earlier picture"});

  ASSERT_EQ(Render(args).code, 0);
  EXPECT_EQ(ReadLines(File("t.txt")).front(), "create 8 8 1");
  // Nothing is left beside the outputs.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST_F(RenderMainTest, ExtremeSizesAndNoTicksRecordTheCreationOnly) {
  const std::string trace = File("t.txt");
  const Outcome run = Render(
      {"--width", "1", "--height", "16384", "--seed", "-5", "--ticks", "0", "--trace", trace});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<std::string> lines = ReadLines(trace);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "create 1 16384 -5");
  // The default scheme is "Rainbow": background from 201, 35 entries.
  EXPECT_THAT(lines[1], StartsWith("palette 201 35 000000 ffffff "));
}

TEST_F(RenderMainTest, CycleFromTheCommandLineStepsThroughTheStandardSchemes) {
  const std::string trace = File("t.txt");
  const Outcome run =
      Render({"--width", "64", "--height", "54", "--seed", "3", "--ticks", "8", "--color-choice",
              "8", "--number", "0", "--bkgnd-tone", "10", "--trace", trace});
  ASSERT_EQ(run.code, 0) << run.err;
  std::vector<std::string> kinds;
  int rects = 0;
  for (const std::string& line : ReadLines(trace)) {
    const std::string kind = line.substr(0, line.find(' '));
    if (kind == "rect") {
      ++rects;
    } else {
      kinds.push_back(kind == "tick" ? line : kind);
    }
    if (line.starts_with("palette")) {
      EXPECT_THAT(line, StartsWith("palette 209 27 "));
    }
  }
  EXPECT_EQ(rects, 8 * 27);
  EXPECT_THAT(
      kinds, ::testing::ElementsAre("create", "palette", "tick 1", "palette", "tick 2", "palette",
                                    "tick 3", "palette", "tick 4", "palette", "tick 5", "palette",
                                    "tick 6", "palette", "tick 7", "palette", "tick 8", "palette"));
}

TEST_F(RenderMainTest, PlantsAreTracedAndTheSameSeedGivesTheSameTrace) {
  const std::vector<std::string> args = {"--width", "320", "--height", "240", "--seed",  "1234",
                                         "--ticks", "6",   "--number", "4",   "--delay", "1"};
  auto render = [&](const std::string& name) {
    std::vector<std::string> more = args;
    more.insert(more.end(), {"--trace", File(name)});
    EXPECT_EQ(Render(more).code, 0);
    return ReadLines(File(name));
  };
  const std::vector<std::string> first = render("a.txt");
  EXPECT_EQ(first, render("b.txt"));
  int drawn = 0;
  for (const std::string& line : first)
    drawn += line.starts_with("line") || line.starts_with("pixel");
  EXPECT_GT(drawn, 0);
  // Four plants, a tick of pause, then the new screen's bands.
  EXPECT_EQ(first.back().substr(0, 5), "rect ");
}

TEST_F(RenderMainTest, WritesTheFinalFrameAsPng) {
  if (!PngOutputAvailable()) {
    const Outcome run = Render(
        {"--width", "8", "--height", "8", "--seed", "1", "--ticks", "1", "--png", File("f.png")});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "verdant-render: this build cannot write PNG files\n");
    return;
  }
  const Outcome run = Render({"--width", "40", "--height", "30", "--seed", "1", "--ticks", "2",
                              "--number", "0", "--bkgnd-tone", "1", "--png", File("f.png")});
  ASSERT_EQ(run.code, 0) << run.err;
  std::ifstream in(File("f.png"), std::ios::binary);
  std::string header(16, '\0');
  in.read(header.data(), 16);
  EXPECT_EQ(header.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(header.substr(12, 4), "IHDR");
}

}  // namespace
}  // namespace verdant
