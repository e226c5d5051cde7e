// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/artgen/IndexedImage.h"

// Bitmap 127: the night scene behind the whole battle, 600 by 400 at 8 bits per pixel.
IndexedImage PaintBackground();
