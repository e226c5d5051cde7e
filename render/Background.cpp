// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/Background.h"

#include "battle/Ship.h"

void DrawBackground(CSurface& target, const ClientExtent& client, const QImage& background) {
    target.StretchCopy(0, 0, client.Width(), client.Height(), background, 0, 0, kWorldWidth,
                       kWorldHeight);
}
