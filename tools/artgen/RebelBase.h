// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/artgen/SceneCanvas.h"

// The rebels' red base at the lower right: stepped pyramids either side of the dark red
// landing pad on which the right ship starts.
void PaintRebelBase(CSceneCanvas& canvas);
