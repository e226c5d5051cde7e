// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/artgen/SceneCanvas.h"

// The emperor's grey and white base at the lower left: a tall control tower, hangars and
// smaller buildings, and in front of them the landing strip of two dark runways lined with
// yellow lights on which the left ship starts.
void PaintEmperorBase(CSceneCanvas& canvas);
