// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/sim/Simulation.h"

#include <utility>

#include "battle/PlayerControls.h"
#include "battle/Random.h"
#include "gamepad/PadControls.h"
#include "play/Sequence.h"
#include "tools/sim/Trace.h"

CSimulation::CSimulation(const SimOptions& options, std::vector<ScriptEvent> events)
    : options_(options), events_(std::move(events)) {
    SeedRandom(options_.seed);
    round_.NewRound();
    round_.leftShip.computer = options_.leftComputer;
    round_.rightShip.computer = options_.rightComputer;
    if (!options_.pngPath.empty()) {
        picture_ = std::make_unique<CSimPicture>(options_.width, options_.height);
    }
    FullPaint();
}

bool CSimulation::WritePicture(const std::string& path) const {
    return picture_ && picture_->WritePng(path);
}

// With a picture or without, the battle takes the same steps, so it goes the same either way.
void CSimulation::FullPaint() {
    if (picture_) {
        picture_->PaintAll(round_);
    } else {
        PaintSceneUnseen(round_);
    }
}

HitOutcome CSimulation::Tick() {
    return picture_ ? picture_->Tick(round_) : RunTickUnseen(round_);
}

void CSimulation::Run(std::ostream* trace) {
    auto next = events_.begin();
    for (int tick = 1; tick <= options_.ticks; ++tick) {
        for (; next != events_.end() && next->tick == tick; ++next) {
            Apply(*next);
        }
        const HitOutcome outcome = Tick();
        if (trace != nullptr) {
            WriteTraceLine(*trace, tick, round_, outcome);
        }
    }
}

void CSimulation::Apply(const ScriptEvent& event) {
    switch (event.kind) {
        case ScriptEvent::Kind::Pointer:
            MovePointer(round_, event.a, event.b, options_.width, options_.height);
            break;
        case ScriptEvent::Kind::Button:
            PressLeftButton(round_);
            break;
        case ScriptEvent::Kind::Key:
            PressKey(round_, event.a);
            break;
        case ScriptEvent::Kind::PadDirection:
            SteerWithPad(round_, static_cast<PadSide>(event.a), static_cast<PadDirection>(event.b));
            break;
        case ScriptEvent::Kind::PadButton:
            // Start asks for a new game, which here is the round and its repaint, as
            // "newround" has them, without the window's setup dialog.
            if (PressPadButton(round_, static_cast<PadSide>(event.a),
                               static_cast<PadButton>(event.b)) == PadCommand::NewGame) {
                round_.NewRound();
                FullPaint();
            }
            break;
        case ScriptEvent::Kind::NewRound:
            round_.NewRound();
            FullPaint();
            break;
        case ScriptEvent::Kind::Paint:
            FullPaint();
            break;
    }
}
