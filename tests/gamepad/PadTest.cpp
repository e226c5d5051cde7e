// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "gamepad/PadControls.h"
#include "gamepad/PadDirection.h"
#include "gamepad/PadSeats.h"
#include "gamepad/PadSteering.h"

namespace {

using enum PadDirection;

// Both ships of a fresh round, parked at known places inside their boxes.
CBattleRound ParkedRound(bool computer) {
    CBattleRound round;
    round.NewRound();
    round.leftShip.x = 100;
    round.leftShip.y = 150;
    round.rightShip.x = 400;
    round.rightShip.y = 150;
    for (CShip* ship :
         {static_cast<CShip*>(&round.leftShip), static_cast<CShip*>(&round.rightShip)}) {
        ship->reload = 10;
        ship->computer = computer;
    }
    return round;
}

CShip& ShipOf(CBattleRound& round, PadSide side) {
    if (side == PadSide::Left) {
        return round.leftShip;
    }
    return round.rightShip;
}

// Each direction aims at a corner or an edge of the controller's own side's box, as the keypad
// key of that direction does on the right ship (left box x 31 to 260, right box x 330 to 560,
// both y 36 to 280); west halts.
TEST(PadControls, DirectionsAndHaltAimAsTheKeypadWithinTheSidesOwnBox) {
    struct Case {
        PadSide side;
        std::optional<PadDirection> direction;  // none: the west button
        int targetX;
        int targetY;
    };
    const Case cases[] = {
        {PadSide::Left, Up, 100, 36},
        {PadSide::Left, UpRight, 260, 36},
        {PadSide::Left, Right, 260, 150},
        {PadSide::Left, DownRight, 260, 280},
        {PadSide::Left, Down, 100, 280},
        {PadSide::Left, DownLeft, 31, 280},
        {PadSide::Left, Left, 31, 150},
        {PadSide::Left, UpLeft, 31, 36},
        {PadSide::Left, std::nullopt, 100, 150},
        {PadSide::Right, Up, 400, 36},
        {PadSide::Right, UpRight, 560, 36},
        {PadSide::Right, Right, 560, 150},
        {PadSide::Right, DownRight, 560, 280},
        {PadSide::Right, Down, 400, 280},
        {PadSide::Right, DownLeft, 330, 280},
        {PadSide::Right, Left, 330, 150},
        {PadSide::Right, UpLeft, 330, 36},
        {PadSide::Right, std::nullopt, 400, 150},
    };
    for (const Case& c : cases) {
        CBattleRound round = ParkedRound(false);
        CBattleRound byKey = ParkedRound(false);
        if (c.direction) {
            SteerWithPad(round, c.side, *c.direction);
        } else {
            EXPECT_EQ(PressPadButton(round, c.side, PadButton::West), PadCommand::None);
        }
        const CShip& ship = ShipOf(round, c.side);
        EXPECT_EQ(ship.targetX, c.targetX) << static_cast<int>(c.side) << " " << c.targetX;
        EXPECT_EQ(ship.targetY, c.targetY) << static_cast<int>(c.side) << " " << c.targetY;
        if (c.side == PadSide::Right) {
            PressKey(byKey, KeypadKeyOf(c.direction.value_or(Centre)));
            if (!c.direction) {
                PressKey(byKey, vk::kNumpad0);
            }
            EXPECT_EQ(byKey.rightShip.targetX, ship.targetX) << "the same as the keypad";
            EXPECT_EQ(byKey.rightShip.targetY, ship.targetY) << "the same as the keypad";
        }
        const CShip& other =
            ShipOf(round, c.side == PadSide::Left ? PadSide::Right : PadSide::Left);
        EXPECT_EQ(other.targetY, 200) << "the other side's ship keeps its target";
    }
}

// South and the right shoulder fire the side's ship into slot 0, 20 units ahead of it; Start
// asks for a new game and changes nothing itself; the rest do nothing. A computer-driven side
// ignores everything but Start, which is the window's.
TEST(PadControls, ButtonsFireOrAskForANewGameAndAComputerDrivenSideIgnoresTheRest) {
    struct Case {
        PadButton button;
        bool fires;
        PadCommand command;
    };
    const Case cases[] = {
        {PadButton::South, true, PadCommand::None},
        {PadButton::RightShoulder, true, PadCommand::None},
        {PadButton::East, false, PadCommand::None},
        {PadButton::North, false, PadCommand::None},
        {PadButton::Back, false, PadCommand::None},
        {PadButton::Other, false, PadCommand::None},
        {PadButton::Start, false, PadCommand::NewGame},
    };
    for (const bool computer : {false, true}) {
        for (const Case& c : cases) {
            for (const PadSide side : {PadSide::Left, PadSide::Right}) {
                CBattleRound round = ParkedRound(computer);
                EXPECT_EQ(PressPadButton(round, side, c.button), c.command);
                const CShip& ship = ShipOf(round, side);
                const int expectedX = c.fires && !computer ? ship.x + 2 * ship.shotStep : -20;
                EXPECT_EQ(ship.shots[0].x, expectedX)
                    << static_cast<int>(c.button) << " computer " << computer;
                EXPECT_EQ(ShipOf(round, side == PadSide::Left ? PadSide::Right : PadSide::Left)
                              .shots[0]
                              .x,
                          -20);
            }
        }
        CBattleRound round = ParkedRound(computer);
        SteerWithPad(round, PadSide::Left, UpLeft);
        SteerWithPad(round, PadSide::Right, DownRight);
        EXPECT_EQ(round.leftShip.targetX, computer ? 170 : 31);
        EXPECT_EQ(round.rightShip.targetX, computer ? 426 : 560);
    }
}

// The stick's sectors: 45 degrees each, centred on the axes and the diagonals, beyond a dead zone
// of 8000 around the middle. y grows downwards.
TEST(PadDirection, TheStickPointsTheDirectionWhoseSectorHoldsIt) {
    struct Case {
        int x;
        int y;
        PadDirection expected;
    };
    const Case cases[] = {
        {0, 0, Centre},
        {8000, 0, Centre},
        {0, -8000, Centre},
        {5000, 6000, Centre},
        {8001, 0, Right},
        {6000, 6000, DownRight},
        {0, -32768, Up},
        {-32768, 0, Left},
        {0, 32767, Down},
        {32767, 32767, DownRight},
        {-32768, -32768, UpLeft},
        {-20000, 20000, DownLeft},
        {20000, -20000, UpRight},
        // tan(22.5 degrees) = 0.41421...: just inside and just outside the right sector.
        {30000, 12426, Right},
        {30000, 12427, DownRight},
        {-30000, -12426, Left},
        {12427, -30000, UpRight},
        {12426, -30000, Up},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DirectionOfStick(c.x, c.y), c.expected) << c.x << ", " << c.y;
    }
}

TEST(PadDirection, TheDpadsArrowsMakeEightDirectionsAndOppositesCancel) {
    struct Case {
        bool up, down, left, right;
        PadDirection expected;
    };
    const Case cases[] = {
        {false, false, false, false, Centre}, {true, false, false, false, Up},
        {true, false, false, true, UpRight},  {false, true, true, false, DownLeft},
        {true, true, false, false, Centre},   {true, true, false, true, Right},
        {false, false, true, true, Centre},   {true, false, true, true, Up},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DirectionOfDpad(c.up, c.down, c.left, c.right), c.expected)
            << c.up << c.down << c.left << c.right;
    }
}

// A direction acts once, as it is reached; the d-pad's holds over the stick's.
TEST(PadSteering, ADirectionActsOnceWhenReachedAndTheDpadHoldsOverTheStick) {
    using Arrow = CPadSteering::Arrow;
    CPadSteering pad;
    EXPECT_EQ(pad.SetStick(4000, 0), std::nullopt) << "within the dead zone";
    EXPECT_EQ(pad.SetStick(30000, 0), Right);
    EXPECT_EQ(pad.SetStick(32000, 100), std::nullopt) << "held in the same sector";
    EXPECT_EQ(pad.SetStick(30000, -30000), UpRight);
    EXPECT_EQ(pad.SetArrow(Arrow::Down, true), Down) << "the d-pad over the stick";
    EXPECT_EQ(pad.SetStick(30000, 0), std::nullopt) << "the stick moves under the held d-pad";
    EXPECT_EQ(pad.SetArrow(Arrow::Down, false), Right) << "the stick's again";
    EXPECT_EQ(pad.SetStick(0, 0), std::nullopt) << "back to the centre";
    EXPECT_EQ(pad.SetStick(30000, 0), Right) << "the same direction reached anew";
    EXPECT_EQ(pad.SetStick(0, 0), std::nullopt);
    EXPECT_EQ(pad.SetArrow(Arrow::Left, true), Left);
    EXPECT_EQ(pad.SetArrow(Arrow::Up, true), UpLeft);
}

// Controllers by their connection: the first two fly left and right, a third waits and takes
// the first side left free; a side left with none waiting goes to the next one plugged in.
TEST(PadSeats, FirstLeftThenRightAFurtherOneWaitsForAFreeSide) {
    struct Step {
        bool connect;
        int controller;
        const char* expected;  // the sides of controllers 1 to 5: L, R or -
    };
    const Step steps[] = {
        {true, 1, "L----"},  {true, 2, "LR---"},  {true, 3, "LR---"}, {true, 1, "LR---"},
        {false, 1, "-RL--"}, {false, 2, "--L--"}, {true, 4, "--LR-"}, {false, 3, "---R-"},
        {false, 3, "---R-"}, {true, 5, "---RL"},  {true, 1, "---RL"}, {false, 1, "---RL"},
    };
    CPadSeats seats;
    for (const Step& step : steps) {
        step.connect ? seats.Connect(step.controller) : seats.Disconnect(step.controller);
        std::string sides;
        for (int controller = 1; controller <= 5; ++controller) {
            const std::optional<PadSide> side = seats.SideOf(controller);
            sides += !side ? '-' : *side == PadSide::Left ? 'L' : 'R';
        }
        EXPECT_EQ(sides, step.expected) << (step.connect ? "+" : "-") << step.controller;
    }
}

}  // namespace
