#include "TestArt.h"

namespace {

QImage Painted(int width, int height, QRgb (*colour)(int, int)) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, colour(x, y));
        }
    }
    return image;
}

}  // namespace

QRgb WorldColour(int x, int y) {
    return qRgb(x & 0xFF, y & 0xFF, 0x80 | ((x >> 8) << 2) | (y >> 8));
}

QImage MakeBackground(int width, int height) {
    return Painted(width, height, WorldColour);
}

QRgb PrefillColour(int x, int y) {
    return qRgb((x * 7) & 0xFF, (y * 13) & 0xFF, 0x20 | ((x + y) & 0x1F));
}

QImage MakePrefilled(int width, int height) {
    return Painted(width, height, PrefillColour);
}

QImage MakePatch(int width, int height, int hue) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 5 + 3) & 0xFF, (y * 11 + 7) & 0xFF, 0x40 + hue));
        }
    }
    return image;
}

SpriteArt MakeSprite(int width, int height, QRgb maskWhite, QRgb maskBlack, int hue) {
    SpriteArt art{QImage(width, height, QImage::Format_RGB32),
                  QImage(width, height, QImage::Format_RGB32)};
    // Inside the ellipse through the box's edge midpoints: opaque.
    const double cx = (width - 1) / 2.0;
    const double cy = (height - 1) / 2.0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double ex = (x - cx) / (width / 2.0);
            const double ey = (y - cy) / (height / 2.0);
            const bool opaque = ex * ex + ey * ey <= 1.0;
            art.mask.setPixel(x, y, opaque ? maskBlack : maskWhite);
            if (opaque) {
                art.image.setPixel(x, y, qRgb(0x60 + x, 0x30 + 4 * y, 0x40 + hue));
            } else {
                art.image.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(0, 0, 0) : qRgb(4, 4, 4));
            }
        }
    }
    // Stray pixels in the transparent corners.
    art.image.setPixel(0, 0, qRgb(0x50, 0x50, 0x50));
    art.image.setPixel(width - 1, height - 1, qRgb(0xFF, 0xFF, 0xFF));
    return art;
}

SideArt MakeSideArt(int hue) {
    return {MakeSprite(53, 21, kEightBitMaskWhite, kEightBitMaskBlack, hue),
            MakeSprite(20, 10, kPureWhite, kPureBlack, hue + 1)};
}
