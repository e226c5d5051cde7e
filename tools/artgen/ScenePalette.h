// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

#include "tools/artgen/Rgb.h"

// The night scene is painted in ramps: each material owns a run of colour-table entries from
// its darkest to its lightest shade, and shading means moving along the run. With every ramp
// fixed up front the 8-bit background needs no colour reduction afterwards.
enum class Ramp {
    Sky,       // near-black night deepening into the blue of the nebula
    CoolStar,  // blue-white starlight, from a faint glint to white
    WarmStar,  // yellowish starlight
    FarHill,   // the distant range, hazy blue
    NearHill,  // the nearer range, almost black
    Ground,    // the grey plain and its craters
    Steel,     // the emperor's base, dark grey to white
    Lamp,      // lit windows and runway lights, amber to pale yellow
    Brick,     // the rebels' base, dark red to pale red
    Count
};

inline constexpr int kRampCount = static_cast<int>(Ramp::Count);

struct RampSpan {
    int first = 0;  // colour-table index of the darkest shade
    int size = 0;   // number of shades
};

struct ScenePalette {
    std::vector<Rgb> colours;  // all 256 entries of the table
    std::array<RampSpan, kRampCount> spans{};

    const RampSpan& Span(Ramp ramp) const { return spans[static_cast<int>(ramp)]; }
};

// The palette of the background; the same on every build.
const ScenePalette& TheScenePalette();
