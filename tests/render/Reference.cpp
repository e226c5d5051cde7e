#include "Reference.h"

namespace {

constexpr QRgb kBlack = 0xFF000000;

QRgb Combine(QRgb destination, QRgb source, RasterOp op) {
    switch (op) {
        case RasterOp::Copy:
            return source;
        case RasterOp::And:
            return destination & source;
        case RasterOp::Or:
            return destination | source;
    }
    return destination;
}

bool Contains(const QImage& image, long long x, long long y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

}  // namespace

long long CentreSample(long long i, long long s, long long d) {
    return ((2 * i + 1) * s) / (2 * d);
}

int WorldToClient(int extent, int v, int worldSize) {
    return static_cast<int>(static_cast<long long>(extent) * v / worldSize);
}

QRect ReferenceStretch(QImage& destination, const QRect& to, const QImage& source,
                       const QRect& from, RasterOp op) {
    QRect written;
    if (to.width() <= 0 || to.height() <= 0 || from.width() <= 0 || from.height() <= 0) {
        return written;
    }
    for (int y = 0; y < destination.height(); ++y) {
        const long long j = static_cast<long long>(y) - to.y();
        if (j < 0 || j >= to.height()) {
            continue;
        }
        const long long v = from.y() + CentreSample(j, from.height(), to.height());
        for (int x = 0; x < destination.width(); ++x) {
            const long long i = static_cast<long long>(x) - to.x();
            if (i < 0 || i >= to.width()) {
                continue;
            }
            const long long u = from.x() + CentreSample(i, from.width(), to.width());
            if (!Contains(source, u, v)) {
                continue;
            }
            const QRgb s = source.pixel(static_cast<int>(u), static_cast<int>(v));
            destination.setPixel(x, y, Combine(destination.pixel(x, y), s, op));
            written |= QRect(x, y, 1, 1);
        }
    }
    return written;
}

QRgb ExpectedTilePixel(const QImage& background, const QImage& image, const QImage& mask,
                       QPoint spriteCorner, QSize spriteSize, int worldX, int worldY) {
    QRgb colour = Contains(background, worldX, worldY) ? background.pixel(worldX, worldY) : kBlack;
    const int u = worldX - spriteCorner.x();
    const int v = worldY - spriteCorner.y();
    if (u < 0 || v < 0 || u >= spriteSize.width() || v >= spriteSize.height()) {
        return colour;
    }
    if (Contains(mask, u, v)) {
        colour &= mask.pixel(u, v);
    }
    if (Contains(image, u, v)) {
        colour |= image.pixel(u, v);
    }
    return colour;
}

void PaintWorldRect(QImage& expected, const QRect& world, const WorldColourFn& colour) {
    const int width = expected.width();
    const int height = expected.height();
    const QRect client(WorldToClient(width, world.x(), 600), WorldToClient(height, world.y(), 400),
                       WorldToClient(width, world.width(), 600),
                       WorldToClient(height, world.height(), 400));
    if (client.width() <= 0 || client.height() <= 0) {
        return;
    }
    for (int y = 0; y < height; ++y) {
        const long long j = static_cast<long long>(y) - client.y();
        if (j < 0 || j >= client.height()) {
            continue;
        }
        const long long worldY = world.y() + CentreSample(j, world.height(), client.height());
        for (int x = 0; x < width; ++x) {
            const long long i = static_cast<long long>(x) - client.x();
            if (i < 0 || i >= client.width()) {
                continue;
            }
            const long long worldX = world.x() + CentreSample(i, world.width(), client.width());
            if (const auto c = colour(static_cast<int>(worldX), static_cast<int>(worldY))) {
                expected.setPixel(x, y, *c);
            }
        }
    }
}

void PaintExpectedShot(QImage& expected, const ExpectedSide& side, int sx, int sy) {
    // The shot sprite is centred on the shot's point; its tile reaches 10 units beyond it to
    // either side and 1 unit above and below.
    PaintWorldRect(expected, QRect(sx - 20, sy - 6, 40, 12), [&](int wx, int wy) {
        return std::optional<QRgb>(ExpectedTilePixel(side.background, side.shotImage, side.shotMask,
                                                     QPoint(sx - 10, sy - 5), QSize(20, 10), wx,
                                                     wy));
    });
}

void PaintExpectedShip(QImage& expected, const ExpectedSide& side, int x, int y) {
    // The ship's point lies 20 units right of its sprite's left edge, 10 below its top edge.
    PaintWorldRect(expected, QRect(x - 30, y - 15, 70, 30), [&](int wx, int wy) {
        return std::optional<QRgb>(ExpectedTilePixel(side.background, side.shipImage, side.shipMask,
                                                     QPoint(x - 20, y - 10), QSize(53, 21), wx,
                                                     wy));
    });
}

void PaintExpectedErase(QImage& expected, const QImage& background, int sx, int sy) {
    PaintWorldRect(expected, QRect(sx - 20, sy - 6, 40, 12), [&](int wx, int wy) {
        return Contains(background, wx, wy) ? std::optional<QRgb>(background.pixel(wx, wy))
                                            : std::nullopt;
    });
}

void PaintExpectedBlank(QImage& expected, const QImage& background, int eL, int eR) {
    // The left bar keeps world x 0 to eL × 290 / 500, the right bar 600 - eR × 290 / 500 to
    // 600, each end truncated; the stretch between them is drawn from the background, placed
    // at W × eL × 290 / 300000 and ScaleX of its width.
    const int worldLeft = eL * 290 / 500;
    const int worldWidth = (1000 - eL - eR) * 290 / 500 + 20;
    const int width = expected.width();
    const int clientX = static_cast<int>(static_cast<long long>(width) * eL * 290 / 300000);
    const QRect to(clientX, 0, WorldToClient(width, worldWidth, 600),
                   WorldToClient(expected.height(), 20, 400));
    ReferenceStretch(expected, to, background, QRect(worldLeft, 0, worldWidth, 20), RasterOp::Copy);
}
