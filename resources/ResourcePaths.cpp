// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/ResourcePaths.h"

std::string BitmapResourcePath(int id) {
    return ":/bitmap/" + std::to_string(id);
}

std::string IconResourcePath(int id) {
    return ":/icon/" + std::to_string(id);
}
