// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform's floor for a window like the game's: a plain QWindow that writes a busy tick's
// rectangles (two ship-sized, eight shot-sized, moving as the game's do) straight into its own
// QBackingStore every 30 ms and flushes just those. It draws no scene and runs no model; what it
// costs is what showing a tick's tiles costs on this platform (bench/cpu_compare.sh).
//
// Usage: floor_window [--size WxH]

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QRegion>
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

// Two ships, then eight shots, each side's in its colour.
constexpr std::array<QRgb, 10> kTileColours{0xFF808080, 0xFFC03030, 0xFF909090, 0xFF909090,
                                            0xFF909090, 0xFF909090, 0xFF30C030, 0xFF30C030,
                                            0xFF30C030, 0xFF30C030};

class CFloorWindow : public QWindow {
public:
    CFloorWindow() : store(this) {}

protected:
    // The first expose paints everything and starts the ticks; a later one shows the store again.
    void exposeEvent(QExposeEvent*) override {
        if (isExposed() && timerId == 0) {
            PaintAll();
            timerId = startTimer(kTickMs, Qt::PreciseTimer);
        } else if (isExposed()) {
            store.flush(QRect(QPoint(0, 0), size()));
        }
    }

    void resizeEvent(QResizeEvent*) override {
        store.resize(size());
        if (isExposed()) {
            PaintAll();
        }
    }

    void timerEvent(QTimerEvent* event) override {
        if (event->timerId() != timerId) {
            return;
        }
        ++ticks;
        QRegion drawn;
        for (std::size_t i = 0; i < kTileColours.size(); ++i) {
            drawn += TileRect(i);
        }
        store.beginPaint(drawn);
        for (std::size_t i = 0; i < kTileColours.size(); ++i) {
            Fill(TileRect(i), kTileColours[i]);
        }
        store.endPaint();
        store.flush(drawn);
    }

private:
    // The logical rectangle of tile i at this tick, sweeping across the world: a ship is 70 x 30
    // in the world, a shot 40 x 12.
    QRect TileRect(std::size_t i) const {
        const int worldX = static_cast<int>((ticks * (3 + i) + i * 53) % kWorldWidth);
        const int worldY = static_cast<int>((i * 37 + ticks) % (kWorldHeight - 40)) + 20;
        const QSize world = i < 2 ? QSize(70, 30) : QSize(40, 12);
        return {worldX * width() / kWorldWidth, worldY * height() / kWorldHeight,
                world.width() * width() / kWorldWidth, world.height() * height() / kWorldHeight};
    }

    // Writes the region's device pixels straight into the store's image (through constBits, so
    // that the image is never detached).
    void Fill(const QRegion& region, QRgb colour) {
        auto* const image = dynamic_cast<QImage*>(store.paintDevice());
        if (image == nullptr) {
            return;
        }
        const qreal ratio = image->devicePixelRatio();
        uchar* const bits = const_cast<uchar*>(image->constBits());
        for (const QRect& logical : region) {
            const QRect area =
                QRect(logical.topLeft() * ratio, logical.size() * ratio) & image->rect();
            for (int y = area.top(); y <= area.bottom(); ++y) {
                auto* const row = reinterpret_cast<QRgb*>(bits + y * image->bytesPerLine());
                std::fill(row + area.left(), row + area.right() + 1, colour);
            }
        }
    }

    void PaintAll() {
        const QRegion all(QRect(QPoint(0, 0), size()));
        store.beginPaint(all);
        Fill(all, 0xFF000010);
        store.endPaint();
        store.flush(all);
    }

    QBackingStore store;
    int timerId = 0;
    long long ticks = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    int width = 702;
    int height = 476;
    if (argc == 3 && std::strcmp(argv[1], "--size") == 0) {
        std::sscanf(argv[2], "%dx%d", &width, &height);
    }
    CFloorWindow window;
    window.setTitle(QStringLiteral("floor_window"));
    window.resize(std::max(1, width), std::max(1, height));
    window.show();
    return QGuiApplication::exec();
}
