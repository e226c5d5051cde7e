#pragma once

#include "tools/artgen/SceneCanvas.h"

// The rebels' red base at the lower right: stepped pyramids either side of the dark red
// landing pad on which the right ship starts.
void PaintRebelBase(CSceneCanvas& canvas);
