// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "tools/artgen/IndexedImage.h"

// The bytes of an uncompressed BMP file holding `image` with its full colour table.
std::vector<std::uint8_t> EncodeBmp(const IndexedImage& image);
