#include <gtest/gtest.h>

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "app/DuelApp.h"

// The game's own application object on the offscreen platform, with one screen of known size.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir dir;
    QFile config(dir.filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens":[{"name":"test","x":0,"y":0,"width":1024,"height":738,)"
                     R"("dpi":96,"dpr":1}]})") < 0) {
        return 1;
    }
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    const CDuelApp application(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool asConfigured =
        screen->availableGeometry() == kTestScreen && screen->devicePixelRatio() == 1.0;
    return asConfigured ? RUN_ALL_TESTS() : 1;
}
