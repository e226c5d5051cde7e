// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Integer identifiers of the game's resources. Every bitmap and icon is reachable by its
// identifier alone, so these numbers are the contract between the art, the resource
// packaging and the code that loads the pictures, menu and dialogs.

// The emperor's (left) side: ship and missile, each with its transparency mask.
inline constexpr int kLeftShipImage = 118;
inline constexpr int kLeftShipMask = 119;
inline constexpr int kLeftShotImage = 125;
inline constexpr int kLeftShotMask = 126;

// The rebels' (right) side: ship and plasma bolt, each with its transparency mask.
inline constexpr int kRightShipImage = 123;
inline constexpr int kRightShipMask = 124;
inline constexpr int kRightShotImage = 128;
inline constexpr int kRightShotMask = 129;

// The whole world behind the sprites, and the two energy bars along its top edge.
inline constexpr int kBackgroundBitmap = 127;
inline constexpr int kLeftBarBitmap = 133;
inline constexpr int kRightBarBitmap = 134;

// The main window's icon and the left side's emblem; the right side's emblem.
inline constexpr int kEmblemIcon = 113;
inline constexpr int kRebelEmblemIcon = 132;

// The menu bar and the two dialog templates.
inline constexpr int kMainMenu = 114;
inline constexpr int kAboutDialog = 130;
inline constexpr int kSetupDialog = 131;
