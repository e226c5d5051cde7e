// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class QDialog;

// Hands the next modal dialog to `answer` every few milliseconds, from inside its modal loop,
// until the answer returns true. When no dialog came up or it is still open after kWaitMs, it
// gives up: it rejects the dialog there is and calls `gaveUp`.
class CModalAnswerer {
public:
    using Answer = std::function<bool(QDialog& dialog)>;
    explicit CModalAnswerer(Answer answer, std::function<void()> gaveUp = {});

    bool Done() const { return done; }

private:
    QTimer poller;
    QElapsedTimer clock;
    bool done = false;
};

// Accepts the dialog, as its OK button does.
bool Accept(QDialog& dialog);
