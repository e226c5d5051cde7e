// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sizes of the game's pictures in pixels, and where a sprite stands relative to the point
// it shows. One pixel of a picture is one world unit, so these are also what each picture
// covers of the world before scaling; the background is the world's size (battle/Ship.h).

// Each side's ship and its mask. A ship's point lies this far right of the picture's left
// edge and below its top edge.
inline constexpr int kShipPictureWidth = 53;
inline constexpr int kShipPictureHeight = 21;
inline constexpr int kShipPointX = 20;
inline constexpr int kShipPointY = 10;

// Each side's shot and its mask. A shot's point is the centre of its picture.
inline constexpr int kShotPictureWidth = 20;
inline constexpr int kShotPictureHeight = 10;

// Each energy bar: the whole image is a full bar of 500 energy.
inline constexpr int kBarWidth = 290;
inline constexpr int kBarHeight = 20;

// Both icons are square.
inline constexpr int kIconSide = 32;
