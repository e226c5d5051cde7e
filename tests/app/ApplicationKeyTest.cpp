#include <gtest/gtest.h>

#include <QString>

#include <ostream>
#include <string>

#include "app/SettingsStore.h"

namespace {

struct KeyCase {
    const char* name;
    const char* executablePath;
    const char* expectedKey;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

const KeyCase kKeys[] = {
    {"SystemExecutable", "/usr/bin/skirmora", "skirmora"},
    {"DotInAFolderAboveTheExecutable", "/home/u/.local/bin/skirmora", "skirmora"},
    {"FolderWithAnExtension", "/opt/game.d/skirmora", "skirmora"},
    {"ExtensionIsCut", "C:/games/duel.exe", "duel"},
    {"OnlyTheLastExtensionIsCut", "/opt/skirmora/bin/duel.v2.exe", "duel.v2"},
    {"BareName", "duel", "duel"},
    {"HiddenExecutableKeepsItsLeadingDot", "/home/u/bin/.skirmora", ".skirmora"},
    {"FolderPathNamesNoFile", "/usr/bin/", ""},
    {"EmptyPath", "", ""},
};

class ApplicationKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ApplicationKey, IsTheExecutablesFileNameWithoutExtension) {
    EXPECT_EQ(ApplicationKeyFromPath(QString::fromUtf8(GetParam().executablePath)),
              QString::fromUtf8(GetParam().expectedKey));
}

INSTANTIATE_TEST_SUITE_P(SettingsStore, ApplicationKey, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
