// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <optional>

#include "render/ClientExtent.h"

// A pointer position in whole device pixels of the client area, as the window system reports
// it to the client area's owner: each coordinate a signed 16-bit quantity.
struct ClientPointer {
    int x = 0;
    int y = 0;
    friend bool operator==(const ClientPointer&, const ClientPointer&) = default;
};

// Where a pointer at `position` (in the widget's logical pixels) lies in the client area whose
// top-left corner is at `clientOrigin`, in device pixels. Nothing when it lies outside the
// client area: on the edge around it, over the menu bar, or beyond the window altogether, where
// a held button still delivers the pointer's moves to the widget. Only the client area steers.
std::optional<ClientPointer> PointerInClient(QPointF position, QPointF clientOrigin,
                                             double pixelRatio, const ClientExtent& client);
