// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ArenaFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QMenuBar>
#include <cstdint>
#include <ctime>

#include "app/ArenaCanvas.h"
#include "app/PadDialogKeys.h"
#include "app/SettingsStore.h"
#include "battle/Random.h"
#include "desktop/ScreenGeometry.h"
#include "dialogs/Commands.h"
#include "dialogs/MenuBuilder.h"
#include "gamepad/PadControls.h"
#include "play/Sequence.h"
#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"

namespace {

constexpr int kTickMilliseconds = 30;

// The controllers are read as often as the battle ticks while one is connected. Without one, SDL
// is asked for new ones once a second: soon enough for a player who plugs one in, and no cost to
// speak of, and nothing for the tick to do.
constexpr int kPadReadMilliseconds = kTickMilliseconds;
constexpr int kPadLookMilliseconds = 1000;

constexpr char kWindowTitle[] = "Skirmora";

// The main window opens centred on the primary screen's work area.
ScreenPosition CentredOnPrimaryScreen(int width, int height) {
    const ScreenRect workArea = PrimaryWorkArea();
    return CentreOver(width, height, workArea, workArea);
}

}  // namespace

CArenaFrame::CArenaFrame()
    : tickTimer(
          kTickMilliseconds, [this] { BattleTick(); }, this) {
    connect(&padTimer, &QTimer::timeout, this, [this] { PollPads(); });
    SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    const QString storedText = ReadSettingText(kAppearanceSection, kWindowRectValue);
    const ScreenRect stored = WindowRectFromSetting(storedText.toStdString());
    battle.NewRound();
    CreateWindowAt(stored);
    clientExtent = canvas->Extent();
    AttachMenu();
    setWindowIcon(QIcon(QString::fromStdString(IconResourcePath(kEmblemIcon))));
    art.LoadBackground();
    StartTick();
    StartReadingPads();
    battle.leftShip.computer =
        IsComputerDriven(ReadSettingInt(kGameSection, kLeftPlayerValue, kPlayerUnset));
    battle.rightShip.computer =
        IsComputerDriven(ReadSettingInt(kGameSection, kRightPlayerValue, kPlayerUnset));
    normalRect = RestoredFrameRect();
    // Everything the end of the run writes is known from here on, also while the setup dialog is
    // up.
    displayLoss.Arm();
    RunSetupDialog(this, battle, *this);
}

CArenaFrame::~CArenaFrame() {
    // The settings are written once a run: here, unless a lost display has written them already.
    displayLoss.Disarm();
    const bool written = displayLoss.Ran();
    art.background = QImage();
    if (!written) {
        WriteWindowRect();
    }
    StopTick();
    if (!written) {
        WriteComputerFlags();
    }
}

// A failed write leaves the old value; the game has no one to tell, and the next run starts from
// what is there.
void CArenaFrame::WriteWindowRect() const {
    WriteSettingText(kAppearanceSection, kWindowRectValue,
                     QString::fromStdString(FormatWindowRect(normalRect)));
}

// The right side's first, then the left side's.
void CArenaFrame::WriteComputerFlags() const {
    WriteSettingInt(kGameSection, kRightPlayerValue,
                    battle.rightShip.computer ? kComputerDriven : kPersonDriven);
    WriteSettingInt(kGameSection, kLeftPlayerValue,
                    battle.leftShip.computer ? kComputerDriven : kPersonDriven);
}

void CArenaFrame::CreateWindowAt(const ScreenRect& stored) {
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    canvas = new CArenaCanvas(
        battle, surface, [this] { DrawScene(); }, this);
    setCentralWidget(canvas);
    connect(canvas, &CArenaCanvas::clientResized, this, &CArenaFrame::OnClientResized);

    const OuterSize largest = LargestScreenSize();
    framePlacement.SizeAndPlaceBy(OuterSizeFromStored(stored, largest.width, largest.height),
                                  CentredOnPrimaryScreen);
}

void CArenaFrame::AttachMenu() {
    BuildMenuBar(*menuBar(), kMainMenuTemplate, [this](int command) { OnCommand(command); });
}

void CArenaFrame::OnCommand(int command) {
    switch (command) {
        case kExitCommand:
            close();  // the same way out as the title bar's close button
            break;
        case kNewGameCommand:
            RunNewGameCommand(this, battle, *this, [this] { PaintAll(); });
            break;
        case kAboutCommand:
            RunAboutCommand(this);
            break;
        default:
            break;
    }
}

void CArenaFrame::StopTick() {
    tickTimer.Stop();
    ScheduleReadingPads();
}

void CArenaFrame::StartTick() {
    tickTimer.Start();
    ScheduleReadingPads();
}

// A controller connected at the start takes its side at once and can work the setup dialog.
void CArenaFrame::StartReadingPads() {
    if (pads.Available()) {
        PollPads();
    }
}

void CArenaFrame::PollPads() {
    pads.Poll([this](const PadInput& input) { OnPadInput(input); });
    ScheduleReadingPads();
}

// While a controller is connected and the battle ticks, the tick reads it first thing: a timer of
// its own would wake the game twice as often. Otherwise the pad timer reads, every tick's length
// while a controller is connected, once a second while none is.
void CArenaFrame::ScheduleReadingPads() {
    if (!pads.Available()) {
        return;
    }
    if (pads.AnyConnected() && tickTimer.Running()) {
        padTimer.stop();
        return;
    }
    const int interval = pads.AnyConnected() ? kPadReadMilliseconds : kPadLookMilliseconds;
    if (!padTimer.isActive() || padTimer.interval() != interval) {
        padTimer.start(interval);
    }
}

// A controller counts only while one of the game's windows is active, as the keyboard does: in
// a dialog it works the dialog, in the main window it flies its ship.
void CArenaFrame::OnPadInput(const PadInput& input) {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        if (dialog->isActiveWindow()) {
            SendPadToDialog(*dialog, input);
        }
        return;
    }
    if (!isActiveWindow()) {
        return;
    }
    if (input.direction) {
        SteerWithPad(battle, input.side, *input.direction);
    }
    if (input.button && PressPadButton(battle, input.side, *input.button) == PadCommand::NewGame) {
        // The dialog runs from the event loop, as from the menu, not inside the tick.
        QMetaObject::invokeMethod(
            this, [this] { OnCommand(kNewGameCommand); }, Qt::QueuedConnection);
    }
}

void CArenaFrame::BattleTick() {
    if (pads.AnyConnected()) {
        PollPads();
    }
    RunTick(battle, art.View(), clientExtent, surface);
    canvas->ShowDrawn();
}

void CArenaFrame::PaintAll() {
    canvas->PaintAll();
}

// The paint handler's drawing, run by the canvas inside its paint event on the surface, sized to
// the client area.
void CArenaFrame::DrawScene() {
    clientExtent = canvas->Extent();
    PaintScene(battle, art.View(), clientExtent, surface);
}

// The window system repaints the whole window after a change of size or density.
void CArenaFrame::OnClientResized() {
    clientExtent = canvas->Extent();
}

ScreenRect CArenaFrame::RestoredFrameRect() const {
    // The restored geometry excludes the frame; the frame is the same around either state.
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QRect restored = normalGeometry().isValid() ? normalGeometry() : inner;
    if (!framePlacement.FrameSettled()) {
        // Until the frame has been taken into account the window's own size stands for the
        // outer size, so adding a frame the platform already reports would grow the window a
        // little with every run that ends before the window was shown.
        return ToScreenRect(restored);
    }
    return ToScreenRect(restored.adjusted(frame.left() - inner.left(), frame.top() - inner.top(),
                                          frame.right() - inner.right(),
                                          frame.bottom() - inner.bottom()));
}

// Runs after the frame placement's own look at the same events, so that the rectangle follows
// the frame once it has been taken into account. Reading Qt's record of the window while the
// display is there keeps the lost display's writes off the window system.
bool CArenaFrame::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowStateChange:
            if (!normalRectRecorded) {
                normalRect = RestoredFrameRect();
            }
            break;
        default:
            break;
    }
    return handled;
}

void CArenaFrame::closeEvent(QCloseEvent* event) {
    normalRect = RestoredFrameRect();
    normalRectRecorded = true;
    // The window stays until the main window object is destroyed after the event loop; its
    // destruction writes the settings.
    event->ignore();
    QCoreApplication::exit(0);
}
