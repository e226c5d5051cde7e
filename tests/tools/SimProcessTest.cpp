// Runs the skirmora-sim executable as a process, the way scripts and tools use it.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QImage>
#include <cstdio>
#include <sstream>
#include <string>

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

}  // namespace
