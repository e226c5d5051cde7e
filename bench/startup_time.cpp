// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up time: from the moment a process is started to the setup dialog's first paint, the
// first thing the player sees. The program runs itself as children: each builds the application
// as the game's main does, watches with an event filter for a dialog's first paint, writes when it
// came to a file the parent named and ends the game the orderly way. The parent takes the time
// just before it starts a child, on the monotonic clock both share, so the figure includes
// loading the program and its libraries.
//
// Usage: startup_time   (ten runs, after one that warms the file cache)

#include <spawn.h>
#include <sys/wait.h>

#include <QDialog>
#include <QGuiApplication>
#include <QMetaObject>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "app/DuelApp.h"
#include "app/ShutdownSignals.h"

extern char** environ;

namespace {

// Tell a child when its parent started it, in nanoseconds on the monotonic clock, and where
// to write its milestones.
constexpr char kLaunchedVariable[] = "SKIRMORA_BENCH_LAUNCHED_NS";
constexpr char kReportVariable[] = "SKIRMORA_BENCH_REPORT";
constexpr int kRuns = 10;

std::int64_t MonotonicNanoseconds() {
    return std::chrono::nanoseconds(BenchClock::now().time_since_epoch()).count();
}

// The milestones of one start-up, in milliseconds after the launch: main entered (when the watch
// is built), the application built, the setup dialog's first paint.
class CStartupWatch : public QObject {
public:
    explicit CStartupWatch(std::int64_t launched) : launched(launched), mainEntered(Since()) {}

    double Since() const { return static_cast<double>(MonotonicNanoseconds() - launched) / 1e6; }

    double applicationBuilt = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted && event->type() == QEvent::Paint && qobject_cast<QDialog*>(watched)) {
            painted = true;
            std::ofstream(std::getenv(kReportVariable))
                << mainEntered << ' ' << applicationBuilt << ' ' << Since() << '\n';
            // Not from inside the paint: the shutdown closes the very dialog being painted.
            QMetaObject::invokeMethod(qobject_cast<CDuelApp*>(QCoreApplication::instance()),
                                      &CDuelApp::RequestShutdown, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::int64_t launched;
    double mainEntered;
    bool painted = false;
};

// The game's main, with the watch installed before the main window is built.
int RunChild(int argc, char** argv, std::int64_t launched) {
    CStartupWatch watch(launched);
    CShutdownSignals::Install();
    CDuelApp app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(SKIRMORA_APP_ID));
    watch.applicationBuilt = watch.Since();
    app.installEventFilter(&watch);
    app.InitInstance();
    return app.exec();
}

// Starts one child and waits for it; false when it reported no paint.
bool LaunchOnce(const std::string& self, const std::string& report, double milestones[3]) {
    std::filesystem::remove(report);
    setenv(kLaunchedVariable, std::to_string(MonotonicNanoseconds()).c_str(), 1);
    char* const childArgv[] = {const_cast<char*>(self.c_str()), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, self.c_str(), nullptr, nullptr, childArgv, environ) != 0 ||
        waitpid(child, nullptr, 0) != child) {
        return false;
    }
    std::ifstream in(report);
    return static_cast<bool>(in >> milestones[0] >> milestones[1] >> milestones[2]);
}

int RunParent() {
    // Each child plays on the offscreen platform with a settings home of its own, which is also
    // its runtime folder where there is none, so that Qt does not stop to warn about it.
    char home[] = "/tmp/skirmora-startup-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string report = std::string(home) + "/milestones";
    setenv(kReportVariable, report.c_str(), 1);
    setenv("XDG_CONFIG_HOME", home, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", home, 0);
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();

    std::printf("Start-up to the setup dialog's first paint (ms after the process was started):\n");
    std::printf("  %-8s %10s %12s %12s\n", "run", "main", "application", "first paint");
    std::vector<double> firstPaints;
    for (int run = 0; run <= kRuns; ++run) {
        double milestones[3];
        if (!LaunchOnce(self, report, milestones)) {
            std::fprintf(stderr, "run %d reported no paint of the setup dialog\n", run);
            continue;
        }
        std::printf("  %-8s %10.1f %12.1f %12.1f\n",
                    run == 0 ? "warm-up" : std::to_string(run).c_str(), milestones[0],
                    milestones[1], milestones[2]);
        if (run > 0) {
            firstPaints.push_back(milestones[2]);
        }
    }
    std::filesystem::remove_all(home);
    if (firstPaints.empty()) {
        return 1;
    }
    std::printf("  first paint: min %.1f, median %.1f, max %.1f ms over %zu runs\n",
                Percentile(firstPaints, 0), Percentile(firstPaints, 0.5),
                Percentile(firstPaints, 1), firstPaints.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (const char* launched = std::getenv(kLaunchedVariable)) {
        return RunChild(argc, argv, std::strtoll(launched, nullptr, 10));
    }
    return RunParent();
}
