// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "desktop/ScreenRect.h"

// The main window's normal outer rectangle, as the settings store keeps it.

// The rectangle of a first run, when nothing is stored yet: one screen pixel per world unit.
inline constexpr ScreenRect kDefaultWindowRect{0, 0, 600, 400};

// The stored text: left, top, right and bottom as "%04d %04d %04d %04d". Numbers from -999 to
// 9999 take four characters each; a longer one pushes the fields after it to the right.
std::string FormatWindowRect(const ScreenRect& rect);

// Reads the four numbers at the fixed offsets 0, 5, 10 and 15, each by the C library's atoi rule
// (white space skipped, an optional sign, the digits up to the first other character, 0 without
// digits). A field that would start at or past the end of the text reads as 0; numbers beyond
// the 32-bit range saturate at its limits.
ScreenRect ParseWindowRect(std::string_view text);

// The rectangle a stored text stands for: an empty text, also that of a value never written,
// means the first-run rectangle; any other text is parsed.
ScreenRect WindowRectFromSetting(std::string_view text);
