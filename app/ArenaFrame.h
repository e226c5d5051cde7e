// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QMainWindow>
#include <QTimer>

#include "app/DisplayLossWatch.h"
#include "app/GamepadInput.h"
#include "app/TickTimer.h"
#include "app/WindowPlacement.h"
#include "app/WindowRectText.h"
#include "battle/BattleRound.h"
#include "desktop/FramePlacement.h"
#include "dialogs/TickControl.h"
#include "render/ClientExtent.h"
#include "render/GameArt.h"
#include "render/Surface.h"

class CArenaCanvas;

// The main window. It owns the whole game for the life of the process: the battle round, each
// side's sprites, the energy bars and the background, and the picture of the client area (its
// surface), which the canvas shows through the window's buffer. A 30 ms tick advances the battle
// and draws only what moved; a full paint redraws everything. The
// settings are read in the constructor and written once a run: by the destructor, which runs
// after the event loop has ended, or, if the display goes away first and the platform ends the
// process, at that moment, with the same values in the same order. For that the rectangle to be
// stored is kept current while the window lives.
class CArenaFrame : public QMainWindow, public CTickControl {
    Q_OBJECT

public:
    // Builds everything, creates the hidden window at its stored size centred on the primary
    // screen's work area, starts the tick and runs the setup dialog. The window is shown by the
    // application afterwards.
    CArenaFrame();

    // Writes the window's restored rectangle and both sides' drivers to the settings store,
    // unless a lost display has written them already.
    ~CArenaFrame() override;

    void StopTick() override;
    void StartTick() override;
    bool TickRunning() const { return tickTimer.Running(); }

    // Redraws the whole client area at once: background, ships, bars and the repairs of a hit
    // resolution, as after a resize. Nothing is drawn while the window is not shown; showing it
    // paints everything.
    void PaintAll();

    CBattleRound& Battle() { return battle; }
    const ClientExtent& Extent() const { return clientExtent; }
    const CGamepadInput& Pads() const { return pads; }
    const ScreenRect& NormalRect() const { return normalRect; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BattleTick();
    void StartReadingPads();
    void PollPads();
    void ScheduleReadingPads();
    void OnPadInput(const PadInput& input);
    void OnClientResized();
    void DrawScene();
    void CreateWindowAt(const ScreenRect& stored);
    void AttachMenu();
    void OnCommand(int command);
    ScreenRect RestoredFrameRect() const;
    void WriteWindowRect() const;
    void WriteComputerFlags() const;

    CBattleRound battle;
    // The sprites and bars load as the window is built; the background once its menu is attached.
    GameArt art{GameArt::Background::Later};
    CTickTimer tickTimer;
    // The controllers: read by the tick while one is connected, by a timer of their own while
    // the setup dialog stops the tick or none is connected.
    CGamepadInput pads;
    QTimer padTimer;
    ClientExtent clientExtent;
    // The restored outer rectangle, from Qt's own record of the window: kept current as the
    // window moves, resizes or changes state, until the close handler records it for the last
    // time.
    ScreenRect normalRect = kDefaultWindowRect;
    bool normalRectRecorded = false;
    // The client area's pixels in the window's own buffer while a tick or a paint draws.
    CSurface surface;
    CArenaCanvas* canvas = nullptr;  // owned by the window as its central widget
    // The stored outer size, given to the window once the window manager has told its frame.
    CFramePlacement framePlacement{*this};
    CDisplayLossWatch displayLoss{[this] {
        WriteWindowRect();
        WriteComputerFlags();
    }};
};
