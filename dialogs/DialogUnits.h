// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QFontMetrics;

// The base units of a dialog font in pixels: its average character width and its character
// height. Dialog templates give positions and sizes in quarters of the one and eighths of the
// other.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
    friend bool operator==(const DialogBaseUnits&, const DialogBaseUnits&) = default;
};

// The base units of a font whose 52 letters, A to Z and a to z, are `alphabetWidth` pixels
// wide together and whose character height is `height`: the average width, rounded half up.
DialogBaseUnits BaseUnitsFor(int alphabetWidth, int height);

// The base units measured on a font.
DialogBaseUnits BaseUnitsOf(const QFontMetrics& metrics);

// A rectangle in dialog units, in pixels; each of the four values is truncated on its own.
QRect DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int width, int height);
