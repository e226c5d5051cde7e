#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

#include "GuiTestSupport.h"
#include "app/DuelApp.h"

// The main of every GUI suite: the game's own application object on the offscreen platform,
// with one screen of a known size, so that placement and centring can be checked in pixels.

namespace {

constexpr char kScreenConfiguration[] =
    R"({"screens":[{"name":"test","x":0,"y":0,"width":1024,"height":738,"dpi":96,"dpr":1}]})";

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

// Whether the platform took the configuration: one primary screen, and its work area, of the
// expected size at the origin.
bool ScreenIsAsConfigured() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) {
        std::fprintf(stderr, "no primary screen\n");
        return false;
    }
    if (primary->geometry() != kTestScreen || primary->availableGeometry() != kTestScreen ||
        !qFuzzyCompare(primary->devicePixelRatio(), 1.0)) {
        const QRect g = primary->geometry();
        const QRect a = primary->availableGeometry();
        std::fprintf(stderr,
                     "the screen configuration did not take effect: screen %dx%d at (%d, %d), "
                     "work area %dx%d at (%d, %d), ratio %g\n",
                     g.width(), g.height(), g.x(), g.y(), a.width(), a.height(), a.x(), a.y(),
                     primary->devicePixelRatio());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();  // listing needs no screen
    }

    const QTemporaryDir configDir;
    const QString configFile = configDir.filePath(QStringLiteral("screens.json"));
    if (!configDir.isValid() || !WriteFile(configFile, kScreenConfiguration)) {
        std::fprintf(stderr, "cannot write the screen configuration\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(configFile));

    CDuelApp application(argc, argv);
    if (!ScreenIsAsConfigured()) {
        return 1;
    }
    return RUN_ALL_TESTS();
}
