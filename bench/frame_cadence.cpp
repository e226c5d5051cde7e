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

#include <sys/resource.h>

#include <QCoreApplication>
#include <QSize>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "FrameDriving.h"
#include "OffscreenScreens.h"
#include "ScratchSettingsHome.h"
#include "TickWatch.h"
#include "app/ArenaFrame.h"
#include "app/DuelApp.h"
#include "app/ShutdownSignals.h"

namespace {

// Before the measured time the window settles after its resize and first full paint.
constexpr int kSettleMs = 1000;
constexpr int kTickMs = 30;

struct Options {
    int seconds = 10;
    QSize client{1920, 1080};
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0) {
            options.seconds = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--client") == 0) {
            int width = 0;
            int height = 0;
            if (std::sscanf(argv[i + 1], "%dx%d", &width, &height) == 2 && width > 0 &&
                height > 0) {
                options.client = QSize(width, height);
            }
        }
    }
    return options;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A line of /proc/self/status such as "VmHWM:   123456 kB", in kB; -1 when missing.
long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
            return std::atol(line.c_str() + length + 1);
        }
    }
    return -1;
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    // Nearest rank: the smallest value that at least this fraction of the values do not exceed.
    const auto rank = static_cast<std::size_t>(
        std::max(1.0, std::ceil(fraction * static_cast<double>(values.size()))));
    return values[std::min(rank, values.size()) - 1];
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    // Room for the client area with the window's menu bar and edge.
    const COffscreenScreens screen({QRect(QPoint(0, 0), options.client + QSize(256, 256))});
    const CScratchSettingsHome settings;
    CShutdownSignals::Install();
    CDuelApp app(argc, argv);
    settings.StoreComputerSides();

    const int tickTimerId = screen.AsConfigured() ? StartGame(app) : 0;
    if (tickTimerId == 0) {
        return 1;
    }
    CArenaFrame& frame = *app.MainFrame();
    if (!ResizeClientTo(frame, options.client)) {
        std::fprintf(stderr, "the client area did not take the size\n");
        return 1;
    }

    CTickWatch watch(frame);
    std::int64_t measureStart = 0;
    double cpuAtStart = 0;
    // Precise timers: a coarse one may fire up to 5 % of its interval early or late.
    QTimer::singleShot(kSettleMs, Qt::PreciseTimer, [&] {
        measureStart = watch.Now();
        cpuAtStart = CpuSeconds();
        // A moment beyond the measured time, so that its last tick is in.
        QTimer::singleShot(options.seconds * 1000 + kTickMs, Qt::PreciseTimer, &app,
                           &CDuelApp::RequestShutdown);
    });
    app.exec();
    const double cpuUsed = CpuSeconds() - cpuAtStart;
    const std::int64_t measureEnd = measureStart + std::int64_t{options.seconds} * 1000000000;

    std::vector<std::int64_t> ticks;
    for (const CTickWatch::TimerEvent& tick : watch.Seen()) {
        if (tick.timerId == tickTimerId && tick.nanoseconds >= measureStart &&
            tick.nanoseconds < measureEnd) {
            ticks.push_back(tick.nanoseconds);
        }
    }
    std::vector<double> intervalsMs;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        intervalsMs.push_back(static_cast<double>(ticks[i] - ticks[i - 1]) / 1e6);
    }
    const double expected = options.seconds * 1000.0 / kTickMs;

    std::printf("Cadence of the main window, client %dx%d, both sides computer driven, %d s:\n",
                options.client.width(), options.client.height(), options.seconds);
    std::printf("  ticks                      %zu (expected %.0f +- 2) %s\n", ticks.size(),
                expected,
                std::abs(static_cast<double>(ticks.size()) - expected) <= 2.5 ? "met" : "NOT MET");
    std::printf("  interval median            %.2f ms\n", Percentile(intervalsMs, 0.50));
    const double p99 = Percentile(intervalsMs, 0.99);
    std::printf("  interval 99th percentile   %.2f ms (target <= 31 ms) %s\n", p99,
                p99 <= 31.0 ? "met" : "NOT MET");
    std::printf(
        "  interval min / max         %.2f / %.2f ms\n",
        intervalsMs.empty() ? 0.0 : *std::min_element(intervalsMs.begin(), intervalsMs.end()),
        intervalsMs.empty() ? 0.0 : *std::max_element(intervalsMs.begin(), intervalsMs.end()));
    std::printf("  process CPU time           %.1f ms per second of play\n",
                cpuUsed * 1000 / options.seconds);
    std::printf("Memory after %d s of play at %dx%d:\n", options.seconds, options.client.width(),
                options.client.height());
    std::printf("  peak resident (VmHWM)      %.1f MiB\n", StatusKilobytes("VmHWM") / 1024.0);
    std::printf("  resident now (VmRSS)       %.1f MiB\n", StatusKilobytes("VmRSS") / 1024.0);
    return 0;
}
