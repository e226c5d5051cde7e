// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cadence of the real main window: the game started as the program starts it, on the
// offscreen platform, with both sides driven by the computer and the client area at full HD,
// left to play for ten seconds. At one tick every 30 ms that is 333 ticks; a late tick shows
// as a long interval between two ticks, so the 99th percentile of the intervals is the figure
// to watch. Afterwards the program reports the process's peak resident memory (VmHWM), which
// then covers start-up and the whole time of play at that size.
//
// Usage: frame_cadence [--seconds N] [--client WxH]

#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "FrameDriving.h"
#include "OffscreenScreens.h"
#include "ScratchSettingsHome.h"
#include "TickWatch.h"
#include "app/DuelApp.h"
#include "app/ShutdownSignals.h"

namespace {

// Before the measured time the window settles after its resize and first full paint.
constexpr int kSettleMs = 1000;
constexpr int kTickMs = 30;

// A line of /proc/self/status such as "VmHWM:   123456 kB", in MiB; negative when missing.
double StatusMebibytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ':', 0) == 0) {
            return std::atof(line.c_str() + field.size() + 1) / 1024;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    int seconds = 10;
    QSize client(1920, 1080);
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0) {
            seconds = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--client") == 0) {
            int width = 0;
            int height = 0;
            std::sscanf(argv[i + 1], "%dx%d", &width, &height);
            client = QSize(std::max(1, width), std::max(1, height));
        }
    }
    // Room for the client area with the window's menu bar and edge.
    const COffscreenScreens screen({QRect(QPoint(0, 0), client + QSize(256, 256))});
    const CScratchSettingsHome settings;
    CShutdownSignals::Install();
    CDuelApp app(argc, argv);
    if (!screen.AsConfigured() || StartComputerGame(app) == 0 ||
        !ResizeClientTo(*app.MainFrame(), client)) {
        std::fprintf(stderr, "the game did not start at a client area of that size\n");
        return 1;
    }

    CTickWatch watch(*app.MainFrame());
    std::int64_t measureStart = 0;
    std::clock_t cpuAtStart = 0;  // the process's CPU time, all threads
    // Precise timers: a coarse one may fire up to 5 % of its interval early or late.
    QTimer::singleShot(kSettleMs, Qt::PreciseTimer, [&] {
        measureStart = watch.Now();
        cpuAtStart = std::clock();
        // A moment beyond the measured time, so that its last tick is in.
        QTimer::singleShot(seconds * 1000 + kTickMs, Qt::PreciseTimer, &app,
                           &CDuelApp::RequestShutdown);
    });
    app.exec();
    const double cpuUsed = static_cast<double>(std::clock() - cpuAtStart) / CLOCKS_PER_SEC;
    const std::int64_t measureEnd = measureStart + std::int64_t{seconds} * 1000000000;

    std::vector<std::int64_t> ticks;
    std::copy_if(watch.Seen().begin(), watch.Seen().end(), std::back_inserter(ticks),
                 [&](std::int64_t at) { return at >= measureStart && at < measureEnd; });
    std::vector<double> intervalsMs;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        intervalsMs.push_back(static_cast<double>(ticks[i] - ticks[i - 1]) / 1e6);
    }
    const double expected = seconds * 1000.0 / kTickMs;
    const double p99 = Percentile(intervalsMs, 0.99);
    const auto verdict = [](bool met) { return met ? "met" : "NOT MET"; };

    std::printf("Cadence of the main window, client %dx%d, both sides computer driven, %d s:\n",
                client.width(), client.height(), seconds);
    std::printf("  ticks                      %zu (expected %.0f +- 2) %s\n", ticks.size(),
                expected, verdict(std::abs(static_cast<double>(ticks.size()) - expected) <= 2.5));
    std::printf("  interval median            %.2f ms\n", Percentile(intervalsMs, 0.5));
    std::printf("  interval 99th percentile   %.2f ms (target <= 31 ms) %s\n", p99,
                verdict(p99 <= 31.0));
    std::printf("  interval min / max         %.2f / %.2f ms\n", Percentile(intervalsMs, 0),
                Percentile(intervalsMs, 1));
    std::printf("  process CPU time           %.1f ms per second of play\n",
                cpuUsed * 1000 / seconds);
    std::printf("Memory after %d s of play at %dx%d:\n", seconds, client.width(), client.height());
    std::printf("  peak resident (VmHWM)      %.1f MiB\n", StatusMebibytes("VmHWM"));
    std::printf("  resident now (VmRSS)       %.1f MiB\n", StatusMebibytes("VmRSS"));
    return 0;
}
