// Runs the skirmora-sim executable as a process, the way scripts and tools use it.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

class SimProcess : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("skirmora-sim-test-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string WriteFile(const std::string& name, const std::string& text) {
        const fs::path path = dir_ / name;
        std::ofstream(path) << text;
        return path.string();
    }

    RunResult Run(const std::string& arguments) {
        const fs::path out = dir_ / "stdout";
        const fs::path err = dir_ / "stderr";
        const std::string command = std::string(SKIRMORA_SIM_PATH) + " " + arguments + " >" +
                                    out.string() + " 2>" + err.string();
        const int raw = std::system(command.c_str());
        RunResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = Slurp(out);
        result.err = Slurp(err);
        return result;
    }

    static std::string Slurp(const fs::path& path) {
        std::ifstream file(path);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    fs::path dir_;
};

std::string Ship(int x, int y, int targetX, int targetY, int reload, const std::string& shots) {
    std::ostringstream out;
    out << "{\"x\":" << x << ",\"y\":" << y << ",\"targetX\":" << targetX
        << ",\"targetY\":" << targetY << ",\"energy\":500,\"reload\":" << reload
        << ",\"computer\":true,\"shots\":" << shots << "}";
    return out.str();
}

std::string Tick(int tick, const std::string& left, const std::string& right) {
    return "{\"tick\":" + std::to_string(tick) + ",\"left\":" + left + ",\"right\":" + right +
           ",\"spentShots\":[],\"anyHit\":false,\"leftEnergy\":500,\"rightEnergy\":500}";
}

// Seed 1, both sides computer-driven: both ships climb 3 units a tick from their pads; the
// right ship arrives on tick 61 and fires, the left one on tick 62.
TEST_F(SimProcess, SeededTraceOpensAsTheRulesPredict) {
    const RunResult result = Run("--seed 1 --ticks 62 --trace");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 62u);
    const std::string parked = "[[-20,0],[-20,0],[-20,0],[-20,0],[-20,0]]";
    for (int t = 1; t <= 60; ++t) {
        const int reload = t < 10 ? t : 10;
        const std::string expected = Tick(t, Ship(170, 383 - 3 * t, 170, 200, reload, parked),
                                          Ship(426, 380 - 3 * t, 426, 200, reload, parked));
        ASSERT_EQ(lines[t - 1], expected) << "tick " << t;
    }
    EXPECT_EQ(lines[60],
              Tick(61, Ship(170, 200, 170, 200, 10, parked),
                   Ship(423, 197, 330, 173, 1, "[[396,200],[-20,0],[-20,0],[-20,0],[-20,0]]")));
    EXPECT_EQ(lines[61],
              Tick(62, Ship(167, 203, 75, 233, 1, "[[200,200],[-20,0],[-20,0],[-20,0],[-20,0]]"),
                   Ship(420, 194, 330, 173, 2, "[[386,200],[-20,0],[-20,0],[-20,0],[-20,0]]")));
}

TEST_F(SimProcess, ScriptedInputSteersBothPersonDrivenShips) {
    const std::string script = WriteFile("input.txt",
                                         "# the pointer halfway across an 800 wide window\n"
                                         "1 pointer 400 100\n"
                                         "2 key 0x24\n"
                                         "3 newround\n"
                                         "3 key 0x27\n");
    const RunResult result =
        Run("--left person --right person --size 800x400 --ticks 3 --trace --input " + script);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("\"left\":{\"x\":173,\"y\":380,\"targetX\":299,\"targetY\":100"),
              std::string::npos)
        << lines[0];
    EXPECT_NE(lines[1].find("\"right\":{\"x\":423,\"y\":374,\"targetX\":330,\"targetY\":36"),
              std::string::npos)
        << lines[1];
    // The new round puts both ships back before the key sets the right edge at the pad's height.
    EXPECT_NE(lines[2].find("\"left\":{\"x\":170,\"y\":380,\"targetX\":170,\"targetY\":200"),
              std::string::npos)
        << lines[2];
    EXPECT_NE(lines[2].find("\"right\":{\"x\":429,\"y\":380,\"targetX\":560,\"targetY\":380"),
              std::string::npos)
        << lines[2];
}

TEST_F(SimProcess, WithoutTraceItPrintsNothing) {
    const RunResult result = Run("--ticks 500");
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.empty());
}

TEST_F(SimProcess, BadScriptNamesTheLineAndPrintsNothingOnStdout) {
    const std::string script = WriteFile("bad.txt", "1 button\n\n2 pointer 5\n");
    const RunResult result = Run("--trace --input " + script);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find(":3:"), std::string::npos) << result.err;
}

TEST_F(SimProcess, BadArgumentsAreNamedWithStatusTwo) {
    for (const std::string args : {"--seed banana --trace", "--size 10 --trace", "--bogus",
                                   "--input /nonexistent/script.txt --trace"}) {
        const RunResult result = Run(args);
        EXPECT_EQ(result.status, 2) << args;
        EXPECT_TRUE(result.out.empty()) << args;
        EXPECT_NE(result.err.find(args.substr(0, args.find(' '))), std::string::npos) << result.err;
    }
}

}  // namespace
