// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "FrameDriving.h"

// Hands the next modal dialog to `answer` every few milliseconds, from inside its modal loop,
// until the answer returns true. When no dialog came up or it is still open after kWaitMs, it
// gives up: it rejects the dialog there is and calls `gaveUp`.
class CModalAnswerer {
public:
    using Answer = std::function<bool(QDialog& dialog)>;
    explicit CModalAnswerer(Answer answer, std::function<void()> gaveUp = {}) {
        clock.start();
        QObject::connect(&poller, &QTimer::timeout, [this, answer, gaveUp] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (clock.hasExpired(kWaitMs)) {
                poller.stop();
                if (dialog != nullptr) {
                    dialog->reject();
                }
                if (gaveUp) {
                    gaveUp();
                }
            } else if (dialog != nullptr && dialog->isVisible() && answer(*dialog)) {
                done = true;
                poller.stop();
            }
        });
        poller.start(5);
    }

    bool Done() const { return done; }

private:
    QTimer poller;
    QElapsedTimer clock;
    bool done = false;
};

// Accepts the dialog, as its OK button does.
inline bool Accept(QDialog& dialog) {
    dialog.accept();
    return true;
}
