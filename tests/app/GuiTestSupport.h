#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

#include "render/EnergyBars.h"
#include "render/Scene.h"
#include "render/SpriteSet.h"

class CArenaCanvas;
class CArenaFrame;
class CTemplateDialog;
class QAction;
class QCheckBox;

// Helpers shared by the GUI suites. Every suite runs on the offscreen platform with one screen
// of 1024 x 738 pixels at the origin (see GuiTestMain.cpp), which is also the primary screen's
// work area: the offscreen platform has no panels.

inline constexpr QRect kTestScreen{0, 0, 1024, 738};

// The longest a test waits for anything the event loop should bring: a tick, a dialog, an
// exposure, a resize. Waiting longer fails the test; it is never a measure of speed.
inline constexpr int kWaitLimitMs = 10000;

// A configuration home of the test's own for the settings store, in place while the object
// lives, with the company key named as the application names it at start-up.
class ScopedConfigHome {
public:
    ScopedConfigHome();
    ~ScopedConfigHome();
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

    bool IsValid() const { return home.isValid(); }

    // The settings file: <home>/Brontel/<file name of the test executable>.conf.
    QString SettingsFile() const;

    // Writes the settings file with the given INI text, as an earlier run would have left it.
    void Seed(const QByteArray& iniText) const;

    // A stored value as text, read from the file by a reader of its own; nothing when the
    // value does not exist.
    std::optional<QString> Stored(const char* section, const char* value) const;

private:
    QTemporaryDir home;
    bool hadConfigHome = false;
    QByteArray savedConfigHome;
};

// Answers the next modal dialog that comes up, from inside the modal loop that runs it. The
// answer is called every few milliseconds with the dialog until it returns true, which it does
// once it has closed the dialog (or has seen what it waited for and closed it). A dialog still
// open when the time limit has passed is rejected and the test fails, so that no test waits
// for ever.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<bool(QDialog& dialog)>;

    explicit ModalAnswerer(Answer answer, int limitMs = kWaitLimitMs);

    // A modal dialog came up and was handed to the answer.
    bool Seen() const { return seen; }
    // The answer has returned true.
    bool Done() const { return done; }

private:
    void Poll();

    Answer answer;
    int limitMs;
    QTimer poller;
    QElapsedTimer clock;
    bool seen = false;
    bool done = false;
};

// Answers: the OK button clicked, and the dialog cancelled with the Escape key.
bool ClickOk(QDialog& dialog);
bool PressEscape(QDialog& dialog);

// Clicks a check box where a person would: on its indicator.
void ClickIndicator(QCheckBox& box);

// The dialog as the template builder made it; fails the test when it is something else.
CTemplateDialog* AsTemplateDialog(QDialog& dialog);

// Watches the timer events that reach the main window. The main window runs one timer, the
// tick, so the identifier of the latest timer event is the tick's; with it a test runs ticks
// of its own, synchronously and with no event loop between them.
class TickProbe : public QObject {
public:
    explicit TickProbe(QObject& frame);

    int Count() const { return count; }
    int LatestTimerId() const { return latestTimerId; }

    // Waits until `more` further timer events have arrived.
    bool WaitForMore(int more);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int count = 0;
    int latestTimerId = 0;
};

// Delivers one timer event with the given identifier to the main window, as its timer would.
void DeliverTick(CArenaFrame& frame, int timerId);

// The game's pictures, loaded here by their identifiers on their own, to draw the expected
// pictures with the drawing functions of the render library.
struct LoadedArt {
    LoadedArt();
    QImage background;
    CSpriteSet left;
    CSpriteSet right;
    CEnergyBars bars;

    SceneArt View() const { return {background, left, right, bars}; }
};

// Builds the main window; the setup dialog its constructor runs is handed to `answer`. The
// test fails when no dialog comes up or the answer does not finish.
std::unique_ptr<CArenaFrame> MakeFrame(const ModalAnswerer::Answer& answer = ClickOk);

// Shows the window and waits until it is on the screen.
bool ShowAndExpose(CArenaFrame& frame);

CArenaCanvas& CanvasOf(CArenaFrame& frame);

// Resizes the main window so that the canvas's contents rectangle (the client area) gets the
// given size, and waits until it has it.
bool ResizeClientTo(CArenaFrame& frame, const QSize& client);

// The menu bar's action with the given text, searched through both drop-down menus.
QAction* MenuAction(CArenaFrame& frame, const QString& text);

// Runs the application's event loop, with `start` called from inside it, until something ends
// the loop; returns its exit code. A loop still running after the time limit is ended with
// the code kLoopTimedOut and the test fails.
inline constexpr int kLoopTimedOut = -99;
int RunEventLoop(const std::function<void()>& start);

// Readable values in failure messages.
void PrintTo(const QPoint& point, std::ostream* os);
void PrintTo(const QSize& size, std::ostream* os);
void PrintTo(const QRect& rect, std::ostream* os);
void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const WorldPoint& point, std::ostream* os);

// Whether two rounds are in the same state: both ships field by field, naming the first field
// that differs.
::testing::AssertionResult SameRound(const CBattleRound& actual, const CBattleRound& expected);
