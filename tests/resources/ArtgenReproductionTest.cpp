// The committed art is exactly what skirmora-artgen paints from the committed sources, so
// the sources can be edited and the pictures repainted without drifting apart.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/resources/CommittedArt.h"
#include "tests/resources/DibReader.h"

namespace {

class CTemporaryDirectory {
public:
    CTemporaryDirectory() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "skirmora-art-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~CTemporaryDirectory() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    CTemporaryDirectory(const CTemporaryDirectory&) = delete;
    CTemporaryDirectory& operator=(const CTemporaryDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Every regular file below `root`, by its path relative to `root`.
std::map<std::string, std::filesystem::path> FilesBelow(const std::filesystem::path& root) {
    std::map<std::string, std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files.emplace(std::filesystem::relative(entry.path(), root).string(), entry.path());
        }
    }
    return files;
}

// Runs the generator, without a shell in between, and returns its exit status.
int RunArtgen(const std::filesystem::path& output, const std::filesystem::path& sources) {
    std::string program = SKIRMORA_ARTGEN;
    std::string outputArgument = output.string();
    std::string sourcesArgument = sources.string();
    char* arguments[] = {program.data(), outputArgument.data(), sourcesArgument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environ) != 0) {
        return -1;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

TEST(Artgen, RepaintsEveryCommittedFileByteForByte) {
    const CTemporaryDirectory output;
    ASSERT_FALSE(output.Path().empty()) << "cannot create a temporary directory";
    ASSERT_EQ(RunArtgen(output.Path(), ArtRoot() / "art"), 0) << SKIRMORA_ARTGEN;

    const auto painted = FilesBelow(output.Path());
    std::map<std::string, std::filesystem::path> committed;
    for (const char* folder : {"images", "icons"}) {
        for (auto& [relative, path] : FilesBelow(ArtRoot() / folder)) {
            committed.emplace((std::filesystem::path(folder) / relative).string(), path);
        }
    }
    ASSERT_EQ(painted.size(), std::size(kArtAssets));
    for (const ArtAsset& asset : kArtAssets) {
        EXPECT_TRUE(painted.count(RelativeArtPath(asset).string()))
            << "not painted: " << RelativeArtPath(asset);
    }
    for (const auto& [relative, path] : painted) {
        ASSERT_TRUE(committed.count(relative)) << relative << " is painted but not committed";
        const std::vector<std::uint8_t> fresh = ReadFileBytes(path);
        const std::vector<std::uint8_t> kept = ReadFileBytes(committed.at(relative));
        ASSERT_EQ(fresh.size(), kept.size()) << relative;
        const auto difference = std::mismatch(fresh.begin(), fresh.end(), kept.begin());
        EXPECT_TRUE(difference.first == fresh.end())
            << relative << " differs first at byte " << (difference.first - fresh.begin());
    }
    EXPECT_EQ(committed.size(), painted.size()) << "committed files the tool does not paint";
}

}  // namespace
