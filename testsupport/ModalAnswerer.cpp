// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalAnswerer.h"

#include <QApplication>
#include <QDialog>

#include "Waiting.h"

CModalAnswerer::CModalAnswerer(Answer answer, std::function<void()> gaveUp) {
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

bool Accept(QDialog& dialog) {
    dialog.accept();
    return true;
}
