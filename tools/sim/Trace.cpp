// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/sim/Trace.h"

namespace {

const char* Boolean(bool value) {
    return value ? "true" : "false";
}

void WritePoint(std::ostream& out, const WorldPoint& point) {
    out << '[' << point.x << ',' << point.y << ']';
}

template <typename Points>
void WritePoints(std::ostream& out, const Points& points) {
    out << '[';
    bool first = true;
    for (const WorldPoint& point : points) {
        if (!first) {
            out << ',';
        }
        first = false;
        WritePoint(out, point);
    }
    out << ']';
}

void WriteShip(std::ostream& out, const CShip& ship) {
    out << "{\"x\":" << ship.x << ",\"y\":" << ship.y << ",\"targetX\":" << ship.targetX
        << ",\"targetY\":" << ship.targetY << ",\"energy\":" << ship.energy
        << ",\"reload\":" << ship.reload << ",\"computer\":" << Boolean(ship.computer)
        << ",\"shots\":";
    WritePoints(out, ship.shots);
    out << '}';
}

}  // namespace

void WriteTraceLine(std::ostream& out, int tick, const CBattleRound& round,
                    const HitOutcome& outcome) {
    out << "{\"tick\":" << tick << ",\"left\":";
    WriteShip(out, round.leftShip);
    out << ",\"right\":";
    WriteShip(out, round.rightShip);
    out << ",\"spentShots\":";
    WritePoints(out, outcome.spentShots);
    out << ",\"anyHit\":" << Boolean(outcome.anyHit) << ",\"leftEnergy\":" << outcome.leftEnergy
        << ",\"rightEnergy\":" << outcome.rightEnergy << "}\n";
}
