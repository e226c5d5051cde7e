// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/WindowRectText.h"

// The main window's outer size from the stored rectangle: of the stored rectangle only the
// size survives, since the window opens centred. A size that is not positive (a damaged value
// can give one) falls back to the first-run size, and a side longer than the largest screen is
// cut to it, so that no stored value can open a degenerate window or make the game allocate a
// giant picture.
OuterSize OuterSizeFromStored(const ScreenRect& stored, int largestScreenWidth,
                              int largestScreenHeight);
