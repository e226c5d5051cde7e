#include "resources/artgen/Background.h"

#include "resources/artgen/EmperorBase.h"
#include "resources/artgen/Ground.h"
#include "resources/artgen/Hills.h"
#include "resources/artgen/RebelBase.h"
#include "resources/artgen/SceneLayout.h"
#include "resources/artgen/Sky.h"

IndexedImage PaintBackground() {
    CSceneCanvas canvas(kSceneWidth, kSceneHeight);
    // Back to front: each layer covers what lies behind it.
    PaintSky(canvas);
    PaintHills(canvas);
    PaintGround(canvas);
    PaintEmperorBase(canvas);
    PaintRebelBase(canvas);
    return canvas.ToImage();
}
