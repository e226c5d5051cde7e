// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include "render/ClientExtent.h"
#include "render/Surface.h"

// Stretches the whole world of the background image over the whole client area: the first
// step of every paint, and the only transfer that covers everything.
void DrawBackground(CSurface& target, const ClientExtent& client, const QImage& background);
