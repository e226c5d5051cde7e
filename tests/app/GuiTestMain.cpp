// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "app/DuelApp.h"

namespace {

QByteArray ScreenJson(const char* name, const QRect& rect) {
    return QStringLiteral(
               R"({"name":"%1","x":%2,"y":%3,"width":%4,"height":%5,"logicalDpi":96,"dpr":1})")
        .arg(QLatin1String(name))
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height())
        .toUtf8();
}

bool AsConfigured(const QScreen* screen, const QRect& rect) {
    return screen != nullptr && screen->geometry() == rect && screen->availableGeometry() == rect &&
           screen->devicePixelRatio() == 1.0;
}

}  // namespace

// The game's own application object on the offscreen platform, with two screens of known size:
// the primary one and a second one to its right. The platform adds the screens in
// the order of their names, and the first one added is the primary screen.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir dir;
    QFile config(dir.filePath("screens.json"));
    const QByteArray screens = R"({"screens":[)" + ScreenJson("primary", kTestScreen) + "," +
                               ScreenJson("second", kSecondScreen) + "]}";
    if (!config.open(QIODevice::WriteOnly) || config.write(screens) < 0) {
        return 1;
    }
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    const CDuelApp application(argc, argv);
    const QList<QScreen*> all = QGuiApplication::screens();
    const bool asConfigured = all.size() == 2 && all[0] == QGuiApplication::primaryScreen() &&
                              AsConfigured(all[0], kTestScreen) &&
                              AsConfigured(all[1], kSecondScreen);
    return asConfigured ? RUN_ALL_TESTS() : 1;
}
