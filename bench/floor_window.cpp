// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform's floor for a window like the game's: a plain QWindow that writes a busy tick's
// rectangles (two ship-sized, eight shot-sized, moving as the game's do) straight into its own
// QBackingStore every 30 ms and flushes just those. It draws no scene and runs no model; what it
// costs is what showing a tick's tiles costs on this platform, the reference that the game's
// figures are held against (bench/cpu_compare.sh).
//
// Usage: floor_window [--size WxH]

#include <QBackingStore>
#include <QElapsedTimer>
#include <QExposeEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QRegion>
#include <QResizeEvent>
#include <QTimerEvent>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kTickMs = 30;
constexpr int kWorldWidth = 600;
constexpr int kWorldHeight = 400;

// The world sizes of the game's tiles: a ship's is 70 x 30, a shot's 40 x 12.
struct Tile {
    int worldWidth, worldHeight;
    QRgb colour;
};
constexpr std::array<Tile, 10> kTiles{{
    {70, 30, 0xFF808080},
    {70, 30, 0xFFC03030},
    {40, 12, 0xFF909090},
    {40, 12, 0xFF909090},
    {40, 12, 0xFF909090},
    {40, 12, 0xFF909090},
    {40, 12, 0xFF30C030},
    {40, 12, 0xFF30C030},
    {40, 12, 0xFF30C030},
    {40, 12, 0xFF30C030},
}};

class CFloorWindow : public QWindow {
public:
    CFloorWindow() : store(this) {}

protected:
    void exposeEvent(QExposeEvent*) override {
        if (!isExposed()) {
            return;
        }
        if (!painted) {
            PaintAll();
            timerId = startTimer(kTickMs, Qt::PreciseTimer);
        } else {
            store.flush(QRect(QPoint(0, 0), size()));
        }
    }

    void resizeEvent(QResizeEvent*) override {
        store.resize(size());
        painted = false;
        if (isExposed()) {
            PaintAll();
        }
    }

    void timerEvent(QTimerEvent* event) override {
        if (event->timerId() == timerId) {
            Tick();
        }
    }

private:
    // The logical rectangle of tile i at this tick: ships and shots sweep across the world.
    QRect TileRect(std::size_t i) const {
        const Tile& tile = kTiles[i];
        const int worldX = static_cast<int>((ticks * (3 + i) + i * 53) % kWorldWidth);
        const int worldY = static_cast<int>((i * 37 + ticks) % (kWorldHeight - 40)) + 20;
        return {worldX * width() / kWorldWidth, worldY * height() / kWorldHeight,
                tile.worldWidth * width() / kWorldWidth, tile.worldHeight * height() / kWorldHeight};
    }

    void Fill(const QRegion& region, QRgb colour) {
        QPaintDevice* const device = store.paintDevice();
        if (device->devType() != QInternal::Image) {
            return;
        }
        QImage& image = *static_cast<QImage*>(device);
        const qreal ratio = image.devicePixelRatio();
        uchar* const bits = const_cast<uchar*>(image.constBits());
        for (const QRect& logical : region) {
            const QRect area = QRect(logical.topLeft() * ratio, logical.size() * ratio) &
                               QRect(0, 0, image.width(), image.height());
            for (int y = area.top(); y <= area.bottom(); ++y) {
                auto* const row = reinterpret_cast<QRgb*>(bits + y * image.bytesPerLine());
                std::fill(row + area.left(), row + area.left() + area.width(), colour);
            }
        }
    }

    void PaintAll() {
        const QRegion all(QRect(QPoint(0, 0), size()));
        store.beginPaint(all);
        Fill(all, 0xFF000010);
        store.endPaint();
        store.flush(all);
        painted = true;
    }

    void Tick() {
        ++ticks;
        QRegion drawn;
        for (std::size_t i = 0; i < kTiles.size(); ++i) {
            drawn += TileRect(i);
        }
        store.beginPaint(drawn);
        for (std::size_t i = 0; i < kTiles.size(); ++i) {
            Fill(TileRect(i), kTiles[i].colour);
        }
        store.endPaint();
        store.flush(drawn);
    }

    QBackingStore store;
    int timerId = 0;
    long long ticks = 0;
    bool painted = false;
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QSize size(702, 476);
    for (int i = 1; i + 1 < argc; ++i) {
        int width = 0;
        int height = 0;
        if (std::strcmp(argv[i], "--size") == 0 &&
            std::sscanf(argv[i + 1], "%dx%d", &width, &height) == 2 && width > 0 && height > 0) {
            size = QSize(width, height);
        }
    }
    CFloorWindow window;
    window.setTitle(QStringLiteral("floor_window"));
    window.resize(size);
    window.show();
    return QGuiApplication::exec();
}
