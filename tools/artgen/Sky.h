// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/artgen/SceneCanvas.h"

// The night sky over the whole picture: a near-black gradient that brightens slightly
// towards the horizon, a faint blue nebula in the upper middle and scattered stars. Everything
// below it is painted over the sky afterwards.
void PaintSky(CSceneCanvas& canvas);
