// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <span>

#include "resources/MenuTemplate.h"

class QMenuBar;

// Fills a menu bar from its template. Choosing an item calls onCommand with the item's command
// identifier; every item is enabled.
void BuildMenuBar(QMenuBar& bar, std::span<const MenuTemplate> menus,
                  const std::function<void(int command)>& onCommand);
