// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Long play: both sides computer-driven at 1920 x 1080, the picture drawn as the window draws
// it, with the model's invariants and the bar strip's pixels checked after every tick and the
// live heap compared between the first minute of play and the end. The number of ticks comes
// from SKIRMORA_SOAK_TICKS, else from the build (fewer under the sanitizers).

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "battle/BattleRound.h"
#include "battle/Random.h"
#include "play/Sequence.h"
#include "render/GameArt.h"
#include "render/Scaling.h"
#include "render/Surface.h"

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's runtime counts the live heap itself; not every compiler ships the
// header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
// Two thousand ticks of 30 ms are the first minute of play.
constexpr long long kFirstMinute = 2000;
// A player starts a new game now and then; without it both ships sit at zero energy for good.
constexpr long long kTicksPerGame = 20000;

long long SoakTicks() {
    if (const char* text = std::getenv("SKIRMORA_SOAK_TICKS")) {
        return std::atoll(text);
    }
    return SKIRMORA_SOAK_TICKS;
}

std::size_t LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// What is wrong with a ship, or nothing.
std::string ShipFault(const CShip& ship, const SideConstants& side, bool& inside) {
    if (ship.energy < 0 || ship.energy > kFullEnergy) {
        return "energy " + std::to_string(ship.energy);
    }
    if (ship.reload < 0 || ship.reload > kMaxReload) {
        return "reload " + std::to_string(ship.reload);
    }
    // Every move is 3 units along each axis, from the start position.
    if ((ship.x - side.start.x) % 3 != 0 || (ship.y - side.start.y) % 3 != 0) {
        return "off the lattice at " + std::to_string(ship.x) + "," + std::to_string(ship.y);
    }
    inside = inside || (ship.y <= side.maxY + 2);
    if (inside && (ship.x < side.minX - 2 || ship.x > side.maxX + 2 || ship.y < side.minY - 2 ||
                   ship.y > side.maxY + 2)) {
        return "outside the box at " + std::to_string(ship.x) + "," + std::to_string(ship.y);
    }
    for (const WorldPoint& shot : ship.shots) {
        if (IsInFlight(shot) && (shot.y < side.minY - 2 || shot.y > side.maxY + 2)) {
            return "shot at height " + std::to_string(shot.y);
        }
    }
    return {};
}

// The bar strip shows the bars and, where they are blanked, the background's top rows, whose
// stretch there need not line up with the full background's; so a strip pixel must have a bar's
// colour or one of the colours of the background's rows that the strip can show.
class BarStripCheck {
public:
    BarStripCheck(const QImage& background, const ClientExtent& client, QRgb left, QRgb right)
        : height_(ScaleY(client, 20)), colours_(std::size_t{1} << 24) {
        Allow(left);
        Allow(right);
        for (int y = 0; y <= 20 && y < background.height(); ++y) {
            for (int x = 0; x < background.width(); ++x) {
                Allow(background.pixel(x, y));
            }
        }
    }

    // The first pixel of the area inside the bar strip with a colour the strip cannot show,
    // as "x,y", or nothing.
    std::string Fault(const QImage& picture, const QRect& area) const {
        const QRect strip = area & QRect(0, 0, picture.width(), height_);
        for (int y = strip.top(); y <= strip.bottom(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = strip.left(); x <= strip.right(); ++x) {
                if (!colours_[row[x] & 0xFFFFFF]) {
                    return std::to_string(x) + "," + std::to_string(y);
                }
            }
        }
        return {};
    }

private:
    void Allow(QRgb colour) { colours_[colour & 0xFFFFFF] = true; }

    int height_;
    std::vector<bool> colours_;  // by 24-bit RGB value
};

TEST(Soak, ComputerAgainstComputerAt1080pStaysCorrectAndFlat) {
    const GameArt art;
    ASSERT_FALSE(art.background.isNull());
    const ClientExtent client = ClientOfSize(kWidth, kHeight);
    const BarStripCheck strip(art.background, client, art.bars.leftBar.pixel(0, 0),
                              art.bars.rightBar.pixel(0, 0));
    CSurface surface(kWidth, kHeight);

    SeedRandom(20261207);
    CBattleRound round;
    round.leftShip.computer = true;
    round.rightShip.computer = true;
    bool leftInside = false;
    bool rightInside = false;
    std::size_t heapAfterFirstMinute = 0;
    const long long ticks = SoakTicks();
    for (long long tick = 0; tick < ticks; ++tick) {
        if (tick % kTicksPerGame == 0) {
            round.NewRound();
            leftInside = rightInside = false;
            PaintScene(round, art.View(), client, surface);
            surface.RecordDamage(QRect(0, 0, kWidth, kHeight));
        }
        RunTick(round, art.View(), client, surface);

        std::string fault = ShipFault(round.leftShip, CEmperorShip::kSide, leftInside);
        if (fault.empty()) {
            fault = ShipFault(round.rightShip, CRebelShip::kSide, rightInside);
        }
        for (const QRect& area : surface.Damage()) {
            if (fault.empty()) {
                fault = strip.Fault(surface.Image(), area);
            }
        }
        surface.ClearDamage();
        ASSERT_TRUE(fault.empty()) << "tick " << tick << ": " << fault;
        if (tick == kFirstMinute) {
            heapAfterFirstMinute = LiveHeapBytes();
        }
    }
    if (ticks > kFirstMinute) {
        // The tick allocates only transient tiles; a leak of even a few bytes a tick would show.
        EXPECT_LE(LiveHeapBytes(), heapAfterFirstMinute + 64 * 1024)
            << "live heap after the first minute " << heapAfterFirstMinute;
    }
}

}  // namespace
