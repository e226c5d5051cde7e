// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

// Menu 114, the main window's menu bar, as data: two drop-down menus of commands.

inline constexpr int kExitCommand = 40001;
inline constexpr int kNewGameCommand = 40004;
inline constexpr int kAboutCommand = 40010;

// One entry of a drop-down menu; an entry without text is a separator.
struct MenuItemTemplate {
    const char* text;
    int command;
};

struct MenuTemplate {
    const char* title;
    std::span<const MenuItemTemplate> items;
};

inline constexpr MenuItemTemplate kGameMenuItems[] = {
    {"Nova", kNewGameCommand},
    {nullptr, 0},
    {"&Konec", kExitCommand},  // K is the keyboard mnemonic
};

inline constexpr MenuItemTemplate kHelpMenuItems[] = {
    {"O Aplikaci", kAboutCommand},
};

inline constexpr MenuTemplate kMainMenuTemplate[] = {
    {"Hra", kGameMenuItems},
    {"Napoveda", kHelpMenuItems},
};
