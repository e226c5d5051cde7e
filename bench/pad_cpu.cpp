// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a connected game controller costs: the real game, started as the program starts it on the
// offscreen platform, both sides computer-driven at KSpaceDuel's default client size (702 x 476),
// measured in alternating stretches with and without one of SDL's virtual controllers connected.
// Alternating stretches of the same run cancel the drift of a shared machine. Before each
// stretch the game has had time to find the controller plugged in, or to notice it gone.
//
// Usage: pad_cpu [--pairs N] [--seconds S]   (defaults 5 pairs of 3 s stretches)

#include <SDL.h>

#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>

#include "FrameDriving.h"
#include "OffscreenScreens.h"
#include "ScratchSettingsHome.h"
#include "app/DuelApp.h"
#include "app/ShutdownSignals.h"

namespace {

// Longer than the game's once-a-second look for new controllers.
constexpr int kSettleMs = 1200;

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

class VirtualController {
public:
    void Plug() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Skirmora benchmark controller";
        index = SDL_JoystickAttachVirtualEx(&desc);
    }
    void Unplug() {
        if (index >= 0) {
            SDL_JoystickDetachVirtual(index);
            index = -1;
        }
    }

private:
    int index = -1;
};

}  // namespace

int main(int argc, char** argv) {
    int pairs = 5;
    int seconds = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--pairs") == 0) {
            pairs = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--seconds") == 0) {
            seconds = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    const QSize client(702, 476);
    const COffscreenScreens screen({QRect(QPoint(0, 0), client + QSize(256, 256))});
    const CScratchSettingsHome settings;
    CShutdownSignals::Install();
    CDuelApp app(argc, argv);
    if (!screen.AsConfigured() || StartComputerGame(app) == 0 ||
        !ResizeClientTo(*app.MainFrame(), client)) {
        std::fprintf(stderr, "the game did not start at a client area of that size\n");
        return 1;
    }

    VirtualController controller;
    double cpu[2] = {0, 0};  // without, with
    int stretch = 0;
    std::function<void()> next = [&] {
        if (stretch == 2 * pairs) {
            app.RequestShutdown();
            return;
        }
        const bool with = stretch % 2 == 1;
        with ? controller.Plug() : controller.Unplug();
        QTimer::singleShot(kSettleMs, Qt::PreciseTimer, [&, with] {
            const double start = ProcessCpuSeconds();
            QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, [&, with, start] {
                cpu[with ? 1 : 0] += ProcessCpuSeconds() - start;
                ++stretch;
                next();
            });
        });
    };
    next();
    app.exec();
    controller.Unplug();

    const double played = static_cast<double>(pairs) * seconds;
    std::printf(
        "CPU of play, %d pairs of %d s stretches, client %dx%d, computer against computer:\n",
        pairs, seconds, client.width(), client.height());
    std::printf("  no controller          %.1f ms per second of play\n", cpu[0] * 1000 / played);
    std::printf("  a virtual controller   %.1f ms per second of play\n", cpu[1] * 1000 / played);
    std::printf("  ratio with / without   %.3f\n", cpu[1] / cpu[0]);
    return 0;
}
