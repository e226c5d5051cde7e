// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>

// Selects the offscreen platform with screens of the given geometry at a pixel ratio of 1,
// through a configuration file that lives as long as the object; there each screen is also its
// own work area, and the first one is the primary screen. Create it before the application.
class COffscreenScreens {
public:
    explicit COffscreenScreens(const QList<QRect>& screens) : screens(screens) {
        // The platform takes the screens in the order of their names.
        QStringList entries;
        for (const QRect& rect : screens) {
            entries << QString::asprintf(
                R"({"name":"screen%d","x":%d,"y":%d,"width":%d,"height":%d,)"
                R"("logicalDpi":96,"dpr":1})",
                static_cast<int>(entries.size()) + 1, rect.x(), rect.y(), rect.width(),
                rect.height());
        }
        const QByteArray json = R"({"screens":[)" + entries.join(',').toUtf8() + "]}";
        QFile file(configDir.filePath(QStringLiteral("screens.json")));
        const bool written = configDir.isValid() && file.open(QIODevice::WriteOnly) &&
                             file.write(json) == json.size();
        qputenv(
            "QT_QPA_PLATFORM",
            written ? "offscreen:configfile=" + QFile::encodeName(file.fileName()) : "offscreen");
    }

    // Whether the application's screens are those asked for, in order; a failure to write the
    // configuration shows here as the platform's default screen.
    bool AsConfigured() const {
        const QList<QScreen*> all = QGuiApplication::screens();
        bool same =
            all.size() == screens.size() && all.value(0) == QGuiApplication::primaryScreen();
        for (qsizetype i = 0; same && i < all.size(); ++i) {
            same = all[i]->geometry() == screens[i] && all[i]->availableGeometry() == screens[i] &&
                   all[i]->devicePixelRatio() == 1.0;
        }
        return same;
    }

private:
    QList<QRect> screens;
    QTemporaryDir configDir;
};
