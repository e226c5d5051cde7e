// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/artgen/SceneCanvas.h"

// The grey plain in the lowest fifth of the picture, strewn with pebbles and pocked with
// craters whose walls are lit from the upper left. The bases are built on it afterwards.
void PaintGround(CSceneCanvas& canvas);
