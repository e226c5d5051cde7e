// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include "render/ClientExtent.h"
#include "render/Surface.h"

// The two energy bars along the top edge of the world: the left ship's grey bar over world
// x 0 to 290, the right ship's red bar over x 310 to 600, both 20 units high. A full bar of
// 290 units is 500 energy. The panel keeps no energies; they are passed in.
class CEnergyBars {
public:
    // Loads the left bar's image, then the right bar's. A missing image draws nothing.
    CEnergyBars();
    CEnergyBars(QImage leftBar, QImage rightBar);
    ~CEnergyBars();

    // Draws both bars at full length, whatever the energies.
    void DrawBars(CSurface& target, const ClientExtent& client) const;

    // Copies the background over the world stretch between the remaining parts of the two bars
    // for energies eL and eR (0 to 500): the left bar shrinks towards the left edge, the right
    // bar towards the right edge. The whole stretch is blanked, not only what the last hit took.
    static void BlankBars(CSurface& target, const ClientExtent& client, const QImage& background,
                          int eL, int eR);

    QImage leftBar;
    QImage rightBar;
};
