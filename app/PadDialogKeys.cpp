// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/PadDialogKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// The key that stands for the controller's input in a dialog; 0 for none.
int DialogKeyOf(const PadInput& input) {
    if (input.direction) {
        switch (*input.direction) {
            case PadDirection::Up:
            case PadDirection::Left:
                return Qt::Key_Backtab;
            case PadDirection::Down:
            case PadDirection::Right:
                return Qt::Key_Tab;
            default:
                return 0;
        }
    }
    if (input.button == PadButton::South) {
        return Qt::Key_Space;
    }
    if (input.button == PadButton::East) {
        return Qt::Key_Escape;
    }
    return 0;
}

}  // namespace

void SendPadToDialog(QWidget& dialog, const PadInput& input) {
    const int key = DialogKeyOf(input);
    if (key == 0) {
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    QWidget* receiver = focus != nullptr && dialog.isAncestorOf(focus) ? focus : &dialog;
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    // A button is pressed as the space bar presses it: it acts when the key comes up.
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(receiver, &press);
    QCoreApplication::sendEvent(receiver, &release);
}
