// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <QString>

DialogBaseUnits BaseUnitsFor(int alphabetWidth, int height) {
    // Twice the average width, truncated, then halved rounding up.
    return {(alphabetWidth / 26 + 1) / 2, height};
}

DialogBaseUnits BaseUnitsOf(const QFontMetrics& metrics) {
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return BaseUnitsFor(metrics.horizontalAdvance(alphabet), metrics.height());
}

QRect DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int width, int height) {
    return {x * units.x / 4, y * units.y / 8, width * units.x / 4, height * units.y / 8};
}
