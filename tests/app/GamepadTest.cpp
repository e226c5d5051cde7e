// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Controllers as SDL's virtual controllers: no device nodes, so that any machine can run these.

#include <SDL.h>

#include <QWidget>
#include <vector>

#include "GuiTestSupport.h"
#include "app/GamepadInput.h"
#include "resources/DialogTemplates.h"

namespace {

// One virtual controller with the standard layout: SDL numbers its buttons and axes as the
// game-controller subsystem names them.
class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Skirmora test controller";
        joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
        EXPECT_NE(joystick, nullptr) << SDL_GetError();
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void Set(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
    }
    // SDL reports what changed between two reads: a button pressed again must have been seen up.
    void Press(SDL_GameControllerButton button) { Set(button, true); }
    void Release(SDL_GameControllerButton button) { Set(button, false); }
    void Stick(int x, int y) {
        SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    }
    void Unplug() {
        if (joystick == nullptr) {
            return;
        }
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
        SDL_JoystickClose(joystick);
        joystick = nullptr;
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == id) {
                SDL_JoystickDetachVirtual(index);
            }
        }
    }

private:
    SDL_Joystick* joystick = nullptr;
};

// What one poll reported, as "side:direction" and "side:button" items, the left side's first:
// controllers that act in the same poll come in SDL's order.
std::string Polled(CGamepadInput& pads) {
    std::string sides[2];
    pads.Poll([&](const PadInput& input) {
        std::string& text = sides[input.side == PadSide::Left ? 0 : 1];
        text += input.side == PadSide::Left ? "L:" : "R:";
        text += input.direction ? "dir" + std::to_string(static_cast<int>(*input.direction))
                                : "button" + std::to_string(static_cast<int>(*input.button));
        text += " ";
    });
    return sides[0] + sides[1];
}

// Directions (Up 1, Right 3, DownRight 4, Left 7, UpLeft 8) and buttons (South 0, West 2,
// RightShoulder 4) by their numbers; each step is read on its own.
TEST(GamepadInput, ControllersTakeSidesAsTheyArePluggedInAndReportWhatTheyDo) {
    CGamepadInput pads;
    ASSERT_TRUE(pads.Available());
    EXPECT_FALSE(pads.AnyConnected());
    std::vector<std::unique_ptr<VirtualPad>> pad;
    pad.push_back(std::make_unique<VirtualPad>());
    pad.push_back(std::make_unique<VirtualPad>());
    EXPECT_EQ(Polled(pads), "") << "plugged in, nothing done yet";
    EXPECT_TRUE(pads.AnyConnected());
    pad.push_back(std::make_unique<VirtualPad>());

    struct Step {
        const char* what;
        std::function<void()> act;
        const char* expected;
    };
    const Step steps[] = {
        {"first fires", [&] { pad[0]->Press(SDL_CONTROLLER_BUTTON_A); }, "L:button0 "},
        {"first's A up", [&] { pad[0]->Set(SDL_CONTROLLER_BUTTON_A, false); }, ""},
        {"second's d-pad", [&] { pad[1]->Press(SDL_CONTROLLER_BUTTON_DPAD_UP); }, "R:dir1 "},
        {"second's stick under it", [&] { pad[1]->Stick(30000, 0); }, ""},
        {"second's d-pad let go", [&] { pad[1]->Set(SDL_CONTROLLER_BUTTON_DPAD_UP, false); },
         "R:dir3 "},
        {"second fires by its shoulder",
         [&] { pad[1]->Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER); }, "R:button4 "},
        {"both sticks at once, diagonally",
         [&] {
             pad[0]->Stick(-30000, -30000);
             pad[1]->Stick(20000, 20000);
         },
         "L:dir8 R:dir4 "},
        {"the third waits", [&] { pad[2]->Press(SDL_CONTROLLER_BUTTON_A); }, ""},
        {"the first unplugged with its stick held", [&] { pad[0]->Unplug(); }, ""},
        {"the third takes the left side", [&] { pad[2]->Press(SDL_CONTROLLER_BUTTON_X); },
         "L:button2 "},
        {"and steers it", [&] { pad[2]->Stick(-30000, 0); }, "L:dir7 "},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(Polled(pads), step.expected) << step.what;
    }
}

class GamepadFrameTest : public FrameTest {
protected:
    // Without a controller the window looks for one once a second; with one, each tick reads it.
    bool LookForControllers() {
        return QTest::qWaitFor([&] { return frame->Pads().AnyConnected(); }, 3000);
    }
};

// Two controllers at once fly both ships while the game's window is active, as its keys do; a
// computer-driven side ignores its controller, and an inactive window ignores both.
TEST_F(GamepadFrameTest, TwoControllersFlyBothShipsWhileTheWindowIsActive) {
    VirtualPad leftPad;
    VirtualPad rightPad;
    ASSERT_TRUE(LookForControllers());
    ASSERT_TRUE(frame->isActiveWindow());
    Left().reload = 10;
    Right().reload = 10;
    leftPad.Press(SDL_CONTROLLER_BUTTON_DPAD_UP);
    leftPad.Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    leftPad.Press(SDL_CONTROLLER_BUTTON_A);
    rightPad.Stick(30000, 30000);
    rightPad.Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    Ticks(1);
    EXPECT_EQ(std::tuple(Left().targetX, Left().targetY), std::tuple(31, 36));
    EXPECT_EQ(std::tuple(Right().targetX, Right().targetY), std::tuple(560, 280));
    EXPECT_EQ(ShotsInFlight(Left()), 1);
    EXPECT_EQ(ShotsInFlight(Right()), 1);

    leftPad.Release(SDL_CONTROLLER_BUTTON_A);
    Ticks(10);  // reloaded
    Right().computer = true;
    const int heightAtPress = Left().y;
    leftPad.Release(SDL_CONTROLLER_BUTTON_DPAD_UP);  // left alone: the left edge
    rightPad.Stick(-30000, 0);
    rightPad.Release(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    rightPad.Press(SDL_CONTROLLER_BUTTON_A);
    Ticks(1);  // the tick reads the controllers before it steps
    EXPECT_EQ(std::tuple(Left().targetX, Left().targetY), std::tuple(31, heightAtPress));
    EXPECT_EQ(std::tuple(Right().targetX, Right().targetY), std::tuple(560, 280)) << "computer";
    EXPECT_EQ(ShotsInFlight(Right()), 1) << "computer-driven";

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->isActiveWindow(); }));
    leftPad.Press(SDL_CONTROLLER_BUTTON_A);
    leftPad.Release(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    leftPad.Press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    Ticks(1);
    EXPECT_EQ(ShotsInFlight(Left()), 1) << "an inactive window";
    EXPECT_EQ(Left().targetX, 31) << "an inactive window";
}

// Start opens the setup dialog, as "Nova" does; in it the d-pad moves the focus, the south
// button presses the focused control and the east button cancels.
TEST_F(GamepadFrameTest, StartOpensTheSetupDialogWhichTheControllerWorks) {
    VirtualPad pad;
    ASSERT_TRUE(LookForControllers());
    const bool leftWasComputer = Left().computer;
    int step = 0;
    const ModalAnswerer answerer([&](QDialog& dialog) {
        QWidget* focus = QApplication::focusWidget();
        auto* ok = qobject_cast<CTemplateDialog*>(&dialog)->Control(kIdOk);
        QCheckBox& leftBox = Box(dialog, kLeftHumanCheckBox);
        switch (step) {
            case 0:  // the focus starts on OK
                pad.Press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
                break;
            case 1:
                if (focus != &leftBox) {
                    return false;
                }
                pad.Press(SDL_CONTROLLER_BUTTON_A);
                break;
            case 2:
                if (leftBox.isChecked() != leftWasComputer) {
                    return false;
                }
                pad.Release(SDL_CONTROLLER_BUTTON_A);
                pad.Release(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
                pad.Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
                break;
            default:
                if (focus != ok) {
                    return false;
                }
                pad.Press(SDL_CONTROLLER_BUTTON_A);
                return true;
        }
        ++step;
        return false;
    });
    pad.Press(SDL_CONTROLLER_BUTTON_START);
    Ticks(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.Done(); }));
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_NE(Left().computer, leftWasComputer) << "the box ticked by the controller";

    const ModalAnswerer canceller([&](QDialog& dialog) {
        Box(dialog, kRightHumanCheckBox).toggle();
        pad.Press(SDL_CONTROLLER_BUTTON_B);
        return true;
    });
    const bool rightWasComputer = Right().computer;
    // The restarted tick has a new timer, which the gate learns from its first expiry.
    const int ticksSeen = gate->Count();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return frame->isActiveWindow() && gate->Count() > ticksSeen; }));
    pad.Release(SDL_CONTROLLER_BUTTON_START);
    Ticks(1);
    pad.Press(SDL_CONTROLLER_BUTTON_START);
    Ticks(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return canceller.Done(); }));
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(Right().computer, rightWasComputer) << "cancelled";
}

}  // namespace
