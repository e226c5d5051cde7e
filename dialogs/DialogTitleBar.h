// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <QWidget>

// Whether a fixed-size dialog draws its own title bar: in a GNOME session on Wayland. Its
// compositor draws no title bars, and the one Qt draws in their place offers maximising and
// resizing whatever the window allows, which a dialog of fixed size must not offer. Everywhere
// else the window system's title bar follows the window's hints. `platform` is the name of Qt's
// platform plugin, `desktops` the session's XDG_CURRENT_DESKTOP (names separated by colons).
bool DrawsOwnTitleBar(QStringView platform, QStringView desktops);

// The title bar such a dialog draws: its title, and a close button where the dialog has a
// window menu. Dragging it moves the window; nothing maximises or resizes it.
class CDialogTitleBar : public QWidget {
    Q_OBJECT

public:
    CDialogTitleBar(const QString& title, bool closeButton, QWidget* parent);

signals:
    // The close button was pressed.
    void closeRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
