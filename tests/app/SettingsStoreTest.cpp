#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <limits>
#include <ostream>
#include <string>

#include "app/SettingsStore.h"
#include "app/WindowRectText.h"

namespace {

// The test executable's file name as the build gave it, so the expected file name does not
// come from the rule under test.
const QString kExecutableName = QStringLiteral(SKIRMORA_TEST_EXECUTABLE_NAME);

QString SettingsFileIn(const QString& configHome) {
    return configHome + QStringLiteral("/Brontel/") + kExecutableName + QStringLiteral(".conf");
}

QByteArray FileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Stands for another program, or a person with an editor, changing the file.
void ReplaceFileContent(const QString& path, const QByteArray& content) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

QStringList EntriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Every test gets a configuration home of its own, so what one writes no other can see.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(configHome.isValid());
        hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        UseConfigHome(configHome.path());
        SetCompanyKey(QString::fromUtf8(kCompanyKey));
    }

    void TearDown() override {
        if (hadConfigHome) {
            qputenv("XDG_CONFIG_HOME", savedConfigHome);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
    }

    static void UseConfigHome(const QString& path) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path));
    }

    QString SettingsFile() const { return SettingsFileIn(configHome.path()); }

    QTemporaryDir configHome;

private:
    bool hadConfigHome = false;
    QByteArray savedConfigHome;
};

// The three values as the main window writes them at its end, in its order.
void WriteEndOfRunValues() {
    ASSERT_TRUE(WriteSettingText("Vzhled", "pozice", "0212 0169 0812 0569"));
    ASSERT_TRUE(WriteSettingInt("Hra", "PL2", 1));
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 0));
}

TEST_F(SettingsStoreTest, FirstRunFindsNothingAndReadsTheCallersDefaults) {
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice"), QString());
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice", "0100 0050 0900 0650"), "0100 0050 0900 0650");
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), kPlayerUnset);
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", 7), 7);
}

TEST_F(SettingsStoreTest, ValuesLandInOneFileNamedAfterCompanyAndExecutableWithNothingLeftOver) {
    WriteEndOfRunValues();
    EXPECT_EQ(EntriesOf(configHome.path()), QStringList{"Brontel"});
    EXPECT_EQ(EntriesOf(configHome.filePath("Brontel")),
              QStringList{kExecutableName + QStringLiteral(".conf")});
}

TEST_F(SettingsStoreTest, FileHoldsTheValuesAsPlainIniText) {
    WriteEndOfRunValues();
    EXPECT_EQ(FileContent(SettingsFile()),
              "[Hra]\nPL1=0\nPL2=1\n\n[Vzhled]\npozice=0212 0169 0812 0569\n");
}

TEST_F(SettingsStoreTest, FileReadsBackCleanlyWithAFreshReader) {
    WriteEndOfRunValues();
    // A copy under a new name is parsed afresh, not served from what the writer remembers.
    const QString copy = configHome.filePath("copy.conf");
    ASSERT_TRUE(QFile::copy(SettingsFile(), copy));
    const QSettings reader(copy, QSettings::IniFormat);
    EXPECT_EQ(reader.status(), QSettings::NoError);
    EXPECT_EQ(reader.childGroups(), (QStringList{"Hra", "Vzhled"}));
    EXPECT_EQ(reader.allKeys().size(), 3);
    EXPECT_EQ(reader.value("Vzhled/pozice").toString(), "0212 0169 0812 0569");
    EXPECT_EQ(reader.value("Hra/PL1").toString(), "0");
    EXPECT_EQ(reader.value("Hra/PL2").toString(), "1");
}

TEST_F(SettingsStoreTest, WriteOrderDoesNotChangeTheFile) {
    WriteEndOfRunValues();
    QTemporaryDir otherHome;
    ASSERT_TRUE(otherHome.isValid());
    UseConfigHome(otherHome.path());
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 0));
    ASSERT_TRUE(WriteSettingText("Vzhled", "pozice", "0212 0169 0812 0569"));
    ASSERT_TRUE(WriteSettingInt("Hra", "PL2", 1));
    const QByteArray inOrder = FileContent(SettingsFile());
    EXPECT_FALSE(inOrder.isEmpty());
    EXPECT_EQ(FileContent(SettingsFileIn(otherHome.path())), inOrder);
}

TEST_F(SettingsStoreTest, AWriteReplacesTheFileInsteadOfRewritingIt) {
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 1));
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(SettingsFile()).constData(), &before), 0);
    ASSERT_TRUE(WriteSettingInt("Hra", "PL2", 1));
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(SettingsFile()).constData(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), 1);
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), 1);
}

TEST_F(SettingsStoreTest, EachOperationFollowsTheConfigurationHomeOfTheMoment) {
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 1));
    QTemporaryDir otherHome;
    ASSERT_TRUE(otherHome.isValid());
    UseConfigHome(otherHome.path());
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), kPlayerUnset);
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 0));
    UseConfigHome(configHome.path());
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), 1);
}

TEST_F(SettingsStoreTest, ReadsSeeWhatAnotherProgramStoredMeanwhile) {
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 1));
    ReplaceFileContent(SettingsFile(), "[Hra]\nPL1=0\nPL2=1\n");
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), 0);
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), 1);
}

TEST_F(SettingsStoreTest, AWriteKeepsValuesAnotherProgramStoredMeanwhile) {
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 1));
    ReplaceFileContent(SettingsFile(), "[Hra]\nPL1=1\nPL2=1\n");
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 0));
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), 0);
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), 1);
}

TEST_F(SettingsStoreTest, AWriteOverAMalformedFileRepairsItAndReportsSuccess) {
    ReplaceFileContent(SettingsFile(), "[Hra\nPL1=5\n");
    EXPECT_TRUE(WriteSettingInt("Hra", "PL2", 1));
    const QString copy = configHome.filePath("copy.conf");
    ASSERT_TRUE(QFile::copy(SettingsFile(), copy));
    const QSettings reader(copy, QSettings::IniFormat);
    EXPECT_EQ(reader.status(), QSettings::NoError);
    EXPECT_EQ(reader.value("Hra/PL2").toString(), "1");
}

TEST_F(SettingsStoreTest, ATextThatIsNoSingleTextReadsAsTheDefault) {
    ReplaceFileContent(SettingsFile(), "[Vzhled]\npozice=0212, 0169\n");
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice", "none"), "none");
}

TEST_F(SettingsStoreTest, WithoutACompanyKeyNothingIsReadOrWritten) {
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 1));
    SetCompanyKey(QString());
    EXPECT_FALSE(WriteSettingInt("Hra", "PL2", 1));
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), kPlayerUnset);
    EXPECT_EQ(EntriesOf(configHome.path()), QStringList{"Brontel"});
}

TEST_F(SettingsStoreTest, AReadOnlyFolderKeepsValuesReadableAndRefusesWrites) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root; the blocked layouts cover root";
    }
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 1));
    const QByteArray folder = QFile::encodeName(configHome.filePath("Brontel"));
    ASSERT_EQ(chmod(folder.constData(), 0500), 0);
    EXPECT_FALSE(WriteSettingInt("Hra", "PL2", 1));
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), 1);
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), kPlayerUnset);
    ASSERT_EQ(chmod(folder.constData(), 0700), 0);
}

struct StoredRectCase {
    const char* name;
    WindowRect rect;
    const char* text;
    WindowRect readBack;
};

void PrintTo(const StoredRectCase& c, std::ostream* os) {
    *os << c.name;
}

const StoredRectCase kStoredRects[] = {
    {"UsualRectangle", {212, 169, 812, 569}, "0212 0169 0812 0569", {212, 169, 812, 569}},
    {"SmallNegatives", {-8, -3, 592, 397}, "-008 -003 0592 0397", {-8, -3, 592, 397}},
    {"OneLongField", {-1200, 50, 700, 450}, "-1200 0050 0700 0450", {-1200, 50, 700, 450}},
    {"TwoLongFieldsLoseRightAndBottom",
     {-1200, -1100, 700, 450},
     "-1200 -1100 0700 0450",
     {-1200, -1100, 0, 0}},
    {"LongLeftAndRightLoseBottom",
     {-1500, 100, -1100, 500},
     "-1500 0100 -1100 0500",
     {-1500, 100, -1100, 0}},
};

class StoredWindowRect : public SettingsStoreTest,
                         public ::testing::WithParamInterface<StoredRectCase> {};

TEST_P(StoredWindowRect, SurvivesTheStoreAsItsText) {
    const StoredRectCase& c = GetParam();
    ASSERT_TRUE(
        WriteSettingText("Vzhled", "pozice", QString::fromStdString(FormatWindowRect(c.rect))));
    const QString stored = ReadSettingText("Vzhled", "pozice");
    EXPECT_EQ(stored, c.text);
    EXPECT_EQ(ParseWindowRect(stored.toStdString()), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(SettingsStore, StoredWindowRect, ::testing::ValuesIn(kStoredRects),
                         [](const auto& info) { return std::string(info.param.name); });

struct PlayerCase {
    const char* name;
    int stored;
    bool computerDriven;
};

void PrintTo(const PlayerCase& c, std::ostream* os) {
    *os << c.name;
}

const PlayerCase kPlayers[] = {
    {"ZeroIsAPerson", 0, false},
    {"OneIsTheComputer", 1, true},
    {"TwoIsAPerson", 2, false},
    {"MinusOneIsAPerson", -1, false},
};

class StoredPlayer : public SettingsStoreTest, public ::testing::WithParamInterface<PlayerCase> {};

TEST_P(StoredPlayer, ComesBackAndOnlyOneMeansComputerDriven) {
    const PlayerCase& c = GetParam();
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", c.stored));
    // A default that is none of the stored values shows that the value came from the file.
    const int read = ReadSettingInt("Hra", "PL1", 42);
    EXPECT_EQ(read, c.stored);
    EXPECT_EQ(IsComputerDriven(read), c.computerDriven);
}

INSTANTIATE_TEST_SUITE_P(SettingsStore, StoredPlayer, ::testing::ValuesIn(kPlayers),
                         [](const auto& info) { return std::string(info.param.name); });

struct PlayerTextCase {
    const char* name;
    const char* line;
    int expected;
};

void PrintTo(const PlayerTextCase& c, std::ostream* os) {
    *os << c.name;
}

const PlayerTextCase kPlayerTexts[] = {
    {"WordReadsAsDefault", "PL1=abc", kPlayerUnset},
    {"TrailingGarbageReadsAsDefault", "PL1=1abc", kPlayerUnset},
    {"NothingAfterTheSignReadsAsDefault", "PL1=", kPlayerUnset},
    {"FractionReadsAsDefault", "PL1=1.0", kPlayerUnset},
    {"HexadecimalReadsAsDefault", "PL1=0x1", kPlayerUnset},
    {"ListReadsAsDefault", "PL1=1, 2", kPlayerUnset},
    {"BeyondTheLargestReadsAsDefault", "PL1=2147483648", kPlayerUnset},
    {"BeyondTheSmallestReadsAsDefault", "PL1=-2147483649", kPlayerUnset},
    {"LargestIsRead", "PL1=2147483647", std::numeric_limits<int>::max()},
    {"SmallestIsRead", "PL1=-2147483648", std::numeric_limits<int>::min()},
    {"HandWrittenOneIsRead", "PL1=1", 1},
};

class StoredPlayerText : public SettingsStoreTest,
                         public ::testing::WithParamInterface<PlayerTextCase> {};

TEST_P(StoredPlayerText, ReadsAsANumberOnlyWhenItIsA32BitDecimal) {
    ReplaceFileContent(SettingsFile(), QByteArray("[Hra]\n") + GetParam().line + '\n');
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(SettingsStore, StoredPlayerText, ::testing::ValuesIn(kPlayerTexts),
                         [](const auto& info) { return std::string(info.param.name); });

// Layouts in which the settings file cannot be made, whoever runs the program, root included.
struct BlockedCase {
    const char* name;
    QString (*prepare)(const QString& root);  // builds the layout, returns the configuration home
};

void PrintTo(const BlockedCase& c, std::ostream* os) {
    *os << c.name;
}

void MakeRegularFile(const QString& path) {
    ReplaceFileContent(path, "not a folder\n");
}

const BlockedCase kBlocked[] = {
    {"ConfigurationHomeBelowARegularFile",
     [](const QString& root) {
         MakeRegularFile(root + QStringLiteral("/file"));
         return root + QStringLiteral("/file/sub");
     }},
    {"CompanyFolderIsARegularFile",
     [](const QString& root) {
         MakeRegularFile(root + QStringLiteral("/Brontel"));
         return root;
     }},
    {"SettingsFileIsAFolder",
     [](const QString& root) {
         QDir().mkpath(SettingsFileIn(root));
         return root;
     }},
};

class BlockedStore : public SettingsStoreTest, public ::testing::WithParamInterface<BlockedCase> {};

TEST_P(BlockedStore, ReadsGiveDefaultsAndWritesReportFailure) {
    UseConfigHome(GetParam().prepare(configHome.path()));
    EXPECT_FALSE(WriteSettingText("Vzhled", "pozice", "0212 0169 0812 0569"));
    EXPECT_FALSE(WriteSettingInt("Hra", "PL1", 1));
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice", "none"), "none");
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), kPlayerUnset);
}

INSTANTIATE_TEST_SUITE_P(SettingsStore, BlockedStore, ::testing::ValuesIn(kBlocked),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// The store names its file after the running executable, which only an application object knows.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
