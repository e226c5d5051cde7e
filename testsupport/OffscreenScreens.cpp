// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OffscreenScreens.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

COffscreenScreens::COffscreenScreens(const QList<QRect>& screens) : screens(screens) {
    // The platform takes the screens in the order of their names.
    QStringList entries;
    for (const QRect& rect : screens) {
        entries << QStringLiteral(R"({"name":"screen%1","x":%2,"y":%3,"width":%4,"height":%5,)"
                                  R"("logicalDpi":96,"dpr":1})")
                       .arg(entries.size() + 1)
                       .arg(rect.x())
                       .arg(rect.y())
                       .arg(rect.width())
                       .arg(rect.height());
    }
    const QByteArray json = R"({"screens":[)" + entries.join(',').toUtf8() + "]}";
    QFile file(configDir.filePath(QStringLiteral("screens.json")));
    const bool written =
        configDir.isValid() && file.open(QIODevice::WriteOnly) && file.write(json) == json.size();
    qputenv("QT_QPA_PLATFORM",
            written ? "offscreen:configfile=" + QFile::encodeName(file.fileName()) : "offscreen");
}

bool COffscreenScreens::AsConfigured() const {
    const QList<QScreen*> all = QGuiApplication::screens();
    if (all.size() != screens.size() || all.value(0) != QGuiApplication::primaryScreen()) {
        return false;
    }
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i]->geometry() != screens[i] || all[i]->availableGeometry() != screens[i] ||
            all[i]->devicePixelRatio() != 1.0) {
            return false;
        }
    }
    return true;
}
