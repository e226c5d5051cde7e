// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/artgen/SceneCanvas.h"

// Two dark ranges of hills across the middle of the picture, the distant one hazy blue, the
// nearer one almost black. Slopes that face the upper left catch a little light on their
// crests, as everything in the scene does.
void PaintHills(CSceneCanvas& canvas);
