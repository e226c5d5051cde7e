// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Where a picture lives among the packaged resources. Each is filed under its identifier
// alone, so a loader needs nothing but the number.

// ":/bitmap/<id>" for the bitmaps of ResourceIds.h.
std::string BitmapResourcePath(int id);

// ":/icon/<id>" for the icons of ResourceIds.h.
std::string IconResourcePath(int id);
