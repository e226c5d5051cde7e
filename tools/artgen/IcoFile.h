// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "tools/artgen/IndexedImage.h"

// The bytes of an icon file holding one image: `colours` (4 or 8 bits per pixel) and a 1-bit
// AND mask that is set where `transparent` is true. The colour image should be black there,
// so that the XOR step of icon drawing leaves the desktop untouched.
std::vector<std::uint8_t> EncodeIco(const IndexedImage& colours,
                                    const std::vector<bool>& transparent);
