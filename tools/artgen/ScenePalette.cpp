// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/ScenePalette.h"

#include <initializer_list>

namespace {

// A point of a ramp's colour curve: at shade `level` the ramp has exactly `colour`; shades in
// between are interpolated linearly.
struct Key {
    int level;
    Rgb colour;
};

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int step, int steps) {
    const int delta = to - from;
    const int rounded = (2 * delta * step + (delta >= 0 ? steps : -steps)) / (2 * steps);
    return static_cast<std::uint8_t>(from + rounded);
}

void AddRamp(ScenePalette& palette, Ramp ramp, std::initializer_list<Key> keys) {
    RampSpan& span = palette.spans[static_cast<int>(ramp)];
    span.first = static_cast<int>(palette.colours.size());
    const Key* previous = keys.begin();
    palette.colours.push_back(previous->colour);
    for (const Key* next = previous + 1; next != keys.end(); previous = next++) {
        const int steps = next->level - previous->level;
        for (int step = 1; step <= steps; ++step) {
            const Rgb& a = previous->colour;
            const Rgb& b = next->colour;
            palette.colours.push_back(Rgb{Mix(a.r, b.r, step, steps), Mix(a.g, b.g, step, steps),
                                          Mix(a.b, b.b, step, steps)});
        }
    }
    span.size = static_cast<int>(palette.colours.size()) - span.first;
}

ScenePalette BuildScenePalette() {
    ScenePalette palette;
    AddRamp(palette, Ramp::Sky,
            {{0, {3, 4, 10}},
             {4, {7, 9, 22}},
             {10, {16, 24, 54}},
             {16, {34, 54, 104}},
             {21, {70, 104, 168}},
             {24, {130, 170, 220}}});
    AddRamp(palette, Ramp::CoolStar,
            {{0, {48, 58, 96}}, {3, {110, 124, 170}}, {6, {190, 204, 240}}, {8, {255, 255, 255}}});
    AddRamp(palette, Ramp::WarmStar,
            {{0, {70, 58, 50}}, {3, {170, 150, 120}}, {6, {255, 240, 200}}});
    AddRamp(palette, Ramp::FarHill, {{0, {8, 10, 22}}, {5, {24, 30, 52}}, {9, {58, 68, 100}}});
    AddRamp(palette, Ramp::NearHill, {{0, {4, 5, 10}}, {5, {16, 18, 28}}, {9, {44, 48, 64}}});
    AddRamp(palette, Ramp::Ground,
            {{0, {18, 18, 22}}, {6, {62, 62, 66}}, {13, {128, 126, 124}}, {17, {190, 188, 182}}});
    AddRamp(palette, Ramp::Steel,
            {{0, {12, 13, 18}}, {8, {52, 56, 66}}, {20, {150, 156, 168}}, {31, {255, 255, 255}}});
    AddRamp(palette, Ramp::Lamp,
            {{0, {70, 44, 8}}, {3, {190, 120, 20}}, {6, {255, 210, 60}}, {8, {255, 250, 200}}});
    AddRamp(palette, Ramp::Brick,
            {{0, {20, 3, 4}},
             {7, {92, 12, 12}},
             {15, {196, 40, 30}},
             {20, {250, 110, 80}},
             {23, {255, 190, 160}}});
    palette.colours.resize(256, Rgb{});
    return palette;
}

}  // namespace

const ScenePalette& TheScenePalette() {
    static const ScenePalette palette = BuildScenePalette();
    return palette;
}
