// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the skirmora-sim executable as a process, the way scripts and tools use it.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Runs skirmora-sim with `input` on its stdin; returns its exit status and what it wrote to
// stdout, or with `errors` to stderr.
std::pair<int, std::string> RunSim(const std::string& arguments, const std::string& input = "",
                                   bool errors = false) {
    const std::string command = "printf '%s' '" + input + "' | " SKIRMORA_SIM_PATH " " + arguments +
                                (errors ? " 2>&1 >/dev/null" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    std::string text;
    for (int c = 0; (c = std::fgetc(pipe)) != EOF;) {
        text += static_cast<char>(c);
    }
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

std::string Ship(int x, int y, int targetX, int targetY, int reload, const std::string& shot0) {
    std::ostringstream out;
    out << "{\"x\":" << x << ",\"y\":" << y << ",\"targetX\":" << targetX
        << ",\"targetY\":" << targetY << ",\"energy\":500,\"reload\":" << reload
        << ",\"computer\":true,\"shots\":[" << shot0 << ",[-20,0],[-20,0],[-20,0],[-20,0]]}";
    return out.str();
}

std::string Tick(int tick, const std::string& left, const std::string& right) {
    return "{\"tick\":" + std::to_string(tick) + ",\"left\":" + left + ",\"right\":" + right +
           ",\"spentShots\":[],\"anyHit\":false,\"leftEnergy\":500,\"rightEnergy\":500}\n";
}

// Seed 1, both computer-driven: both ships climb 3 units a tick from their pads; the right ship
// arrives on tick 61 and fires, the left one on tick 62.
TEST(SimProcess, SeededTraceOpensAsTheRulesPredict) {
    std::string expected;
    for (int t = 1; t <= 60; ++t) {
        const int reload = t < 10 ? t : 10;
        expected += Tick(t, Ship(170, 383 - 3 * t, 170, 200, reload, "[-20,0]"),
                         Ship(426, 380 - 3 * t, 426, 200, reload, "[-20,0]"));
    }
    expected +=
        Tick(61, Ship(170, 200, 170, 200, 10, "[-20,0]"),
             Ship(423, 197, 330, 173, 1, "[396,200]")) +
        Tick(62, Ship(167, 203, 75, 233, 1, "[200,200]"), Ship(420, 194, 330, 173, 2, "[386,200]"));
    EXPECT_EQ(RunSim("--seed 1 --ticks 62 --trace"), std::pair(0, expected));
}

TEST(SimProcess, ScriptedInputSteersBothPersonDrivenShips) {
    const auto [status, out] =
        RunSim("--left person --right person --size 800x400 --ticks 3 --trace --input /dev/stdin",
               "1 pointer 400 100  # halfway across an 800 wide window\n"
               "2 key 0x24\n3 newround\n3 key 0x27\n");
    EXPECT_EQ(status, 0);
    for (const char* text :
         {R"({"tick":1,"left":{"x":173,"y":380,"targetX":299,"targetY":100)",
          R"("right":{"x":423,"y":374,"targetX":330,"targetY":36)",
          // The new round puts both ships back before the key aims at the right edge.
          R"({"tick":3,"left":{"x":170,"y":380,"targetX":170,"targetY":200)",
          R"("right":{"x":429,"y":380,"targetX":560,"targetY":380)"}) {
        EXPECT_NE(out.find(text), std::string::npos) << text;
    }
}

// A battle steered with controllers is, tick for tick, the battle steered with the keys and
// the button that do the same: the right controller's directions are the keypad's, its fire the
// space bar and its halt keypad 0; the left controller's fire is the left button.
TEST(SimProcess, AControllerBattleTracesAsTheSameBattleWithKeysAndButton) {
    const std::string options =
        "--seed 7 --ticks 200 --left person --right person --trace --input /dev/stdin";
    const auto byPads = RunSim(options,
                               "1 pad right dir upleft\n3 pad left button south\n"
                               "20 pad right button south\n30 pad right dir down\n"
                               "40 pad right button west\n45 pad right button rightshoulder\n"
                               "50 pad left button rightshoulder\n60 pad right dir right\n"
                               "61 pad right dir centre\n90 pad right dir downleft\n");
    const auto byKeys = RunSim(options,
                               "1 key 0x67\n3 button\n20 key 0x20\n30 key 0x62\n40 key 0x60\n"
                               "45 key 0x20\n50 button\n60 key 0x66\n90 key 0x61\n");
    EXPECT_EQ(byPads.first, 0);
    EXPECT_EQ(byPads, byKeys);
    EXPECT_NE(byPads, RunSim(options, "")) << "the script steers";
}

TEST(SimProcess, PngHasTheClientSizeAndWithoutTraceStdoutStaysEmpty) {
    EXPECT_EQ(RunSim("--ticks 10 --size 300x200"), std::pair(0, std::string()));
    const auto [status, png] = RunSim("--ticks 10 --size 300x200 --png /dev/stdout");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(png.substr(0, 4), "\x89PNG");
    const QImage image = QImage::fromData(QByteArray::fromStdString(png), "PNG");
    EXPECT_EQ(image.size(), QSize(300, 200));
    EXPECT_EQ(image.pixel(10, 2), qRgb(192, 192, 192)) << "the left energy bar";
    EXPECT_EQ(image.pixel(290, 2), qRgb(255, 0, 0)) << "the right energy bar";
}

TEST(SimProcess, BadInputIsNamedWithStatusTwoAndNothingOnStdout) {
    const std::pair<std::string, std::string> cases[] = {
        {"--trace --input /dev/stdin", "/dev/stdin:3:"},
        {"--seed banana --trace", "--seed"},
        {"--size 10 --trace", "--size"},
        {"--bogus", "--bogus"},
        {"--input /nonexistent/script.txt --trace", "--input"}};
    const std::string script = "1 button\n\n2 pointer 5\n";
    for (const auto& [args, named] : cases) {
        EXPECT_EQ(RunSim(args, script), std::pair(2, std::string())) << args;
        const std::string err = RunSim(args, script, true).second;
        EXPECT_NE(err.find(named), std::string::npos) << err;
    }
}

// The help is the whole interface: every option with its range and default, the script's events
// and limits, and the exit statuses. It goes to stdout, and nothing to stderr.
TEST(SimProcess, HelpDescribesEveryOptionWithItsDefaultOnStdout) {
    for (const char* option : {"--help", "-h", "--seed 7 --help"}) {
        const auto [status, help] = RunSim(option);
        EXPECT_EQ(status, 0) << option;
        EXPECT_EQ(RunSim(option, "", true), std::pair(0, std::string())) << "stderr of " << option;
        EXPECT_EQ(help.rfind("usage: skirmora-sim [--seed N] [--ticks N]", 0), 0) << help;
        // Each option at the start of a line, with what follows it on that line.
        const std::pair<std::string, std::string> lines[] = {
            {"  --seed N ", "0 to 4294967295 (default 1)"},
            {"  --ticks N ", "0 to 2147483647 (default 100)"},
            {"  --left WHO ", "person or computer (default computer)"},
            {"  --right WHO ", "person or computer (default computer)"},
            {"  --size WxH ", "0 to 65535"},
            {"  --input FILE ", "(default none)"},
            {"  --trace ", "after every tick"},
            {"  --png FILE ", "PNG"},
            {"  -h, --help ", "help"},
            {"  T pointer PX PY ", "-32768 to 32767"},
            {"  T button ", "left mouse button"},
            {"  T key CODE ", "0 to 255, decimal or 0x hex"},
            {"  T newround ", "new game"},
            {"  T paint ", "picture redrawn"},
            {"T is a whole number from 1 up", ""},
            {"and events after the last tick are ignored.", ""},
            {"Exit status: 0 done; 1 the picture or the trace could not be written; 2 a bad", ""},
        };
        for (const auto& [start, rest] : lines) {
            const std::size_t at = help.find("\n" + start);
            ASSERT_NE(at, std::string::npos) << start;
            const std::string line = help.substr(at + 1, help.find('\n', at + 1) - at - 1);
            EXPECT_NE(line.find(rest), std::string::npos) << line;
        }
        EXPECT_NE(help.find("(default 600x400)"), std::string::npos);
    }
}

TEST(SimProcess, WithoutOptionsItPlaysWhatTheHelpCallsTheDefaults) {
    const auto defaults = RunSim("--trace");
    EXPECT_EQ(defaults.first, 0);
    EXPECT_EQ(std::count(defaults.second.begin(), defaults.second.end(), '\n'), 100);
    EXPECT_EQ(
        RunSim("--seed 1 --ticks 100 --left computer --right computer --size 600x400 --trace"),
        defaults);
}

TEST(SimProcess, EventsAfterTheLastTickAreIgnored) {
    const std::string options = "--left person --right person --ticks 3 --trace";
    const auto plain = RunSim(options);
    ASSERT_EQ(plain.first, 0);
    EXPECT_EQ(RunSim(options + " --input /dev/stdin", "4 key 0x24\n4 button\n900 newround\n"),
              plain);
    EXPECT_NE(RunSim(options + " --input /dev/stdin", "3 key 0x24\n"), plain) << "the last tick's";
}

// The picture cannot be written: status 1, the file named; the trace still went to stdout.
TEST(SimProcess, APictureThatCannotBeWrittenEndsWithStatusOne) {
    const std::string options = "--ticks 2 --png /nonexistent/folder/battle.png";
    EXPECT_EQ(RunSim(options).first, 1);
    EXPECT_NE(RunSim(options, "", true).second.find("/nonexistent/folder/battle.png"),
              std::string::npos);
    const auto [status, trace] = RunSim(options + " --trace");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 2);
}

// A refused command line shows the synopsis on stderr, not the whole help.
TEST(SimProcess, ARefusedCommandLineShowsTheSynopsis) {
    const auto [status, errors] = RunSim("--ticks many", "", true);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(
        errors.rfind("skirmora-sim: argument --ticks: bad value 'many'\nusage: skirmora-sim", 0), 0)
        << errors;
    EXPECT_EQ(errors.find("Exit status"), std::string::npos) << errors;
}

}  // namespace
