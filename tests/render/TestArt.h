#pragma once

#include <QImage>
#include <QRgb>

// Synthetic pictures for the render tests, built here so that no test depends on the real art.
// Every family of pictures has colours of its own, so a pixel taken from the wrong picture or
// the wrong place shows.

// A colour of its own for every world point of a background up to 1024 x 512 (blue 0x80 and
// above).
QRgb WorldColour(int x, int y);

// A background of the given size painted with WorldColour.
QImage MakeBackground(int width = 600, int height = 400);

// A colour of its own for every pixel of a target prefilled before drawing, so that "left
// unchanged" differs from any drawn colour (blue below 0x40).
QRgb PrefillColour(int x, int y);

// A picture of the given size painted with PrefillColour.
QImage MakePrefilled(int width, int height);

// A small picture with a colour of its own per pixel, from a family told apart by the hue
// (blue 0x40 + hue, hue below 0x20).
QImage MakePatch(int width, int height, int hue);

// One sprite in the form the art uses: the mask white where transparent and black where
// opaque; the image carries colours where the mask is black and black or (4, 4, 4) where it is
// white, except for two stray grey pixels there that the OR lays over the background.
struct SpriteArt {
    QImage image;
    QImage mask;
};

// An oval sprite filling a width x height box; the hue tells sprites apart.
SpriteArt MakeSprite(int width, int height, QRgb maskWhite, QRgb maskBlack, int hue);

inline constexpr QRgb kEightBitMaskWhite = 0xFFFCFCFC;  // (252, 252, 252)
inline constexpr QRgb kEightBitMaskBlack = 0xFF040404;  // (4, 4, 4)
inline constexpr QRgb kPureWhite = 0xFFFFFFFF;
inline constexpr QRgb kPureBlack = 0xFF000000;

// A side's four sprite images at the sizes of the art: ship 53 x 21 with 8-bit style mask
// colours, shot 20 x 10 with pure white and black.
struct SideArt {
    SpriteArt ship;
    SpriteArt shot;
};

SideArt MakeSideArt(int hue);
