// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/Background.h"

#include "tools/artgen/EmperorBase.h"
#include "tools/artgen/Ground.h"
#include "tools/artgen/Hills.h"
#include "tools/artgen/RebelBase.h"
#include "tools/artgen/SceneLayout.h"
#include "tools/artgen/Sky.h"

IndexedImage PaintBackground() {
    CSceneCanvas canvas(kWorldWidth, kWorldHeight);
    // Back to front: each layer covers what lies behind it.
    PaintSky(canvas);
    PaintHills(canvas);
    PaintGround(canvas);
    PaintEmperorBase(canvas);
    PaintRebelBase(canvas);
    return canvas.ToImage();
}
